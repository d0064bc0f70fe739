#include "platform/core/resource_pictures.h"

#include <string>
#include <utility>

#include "platform/core/resource_registry.h"

namespace {

// Lays the cells side by side into one strip.
DecodedImage DecodeStrip(std::span<const std::span<const char* const>> cells, int width, int height) {
  PixelImage strip;
  strip.width = width * static_cast<int>(cells.size());
  strip.height = height;
  strip.indices.assign(static_cast<std::size_t>(strip.width * strip.height), kTransparentIndex);
  for (std::size_t g = 0; g < cells.size(); ++g) {
    DecodedImage glyph = DecodePixelRows(cells[g], StandardColourKey());
    if (!glyph.image) return {{}, "glyph " + std::to_string(g + 1) + ": " + glyph.error};
    if (glyph.image->width != width || glyph.image->height != height) {
      return {{}, "glyph " + std::to_string(g + 1) + " is not " + std::to_string(width) + " x " +
                      std::to_string(height)};
    }
    strip.palette = glyph.image->palette;  // the same key gives every glyph the same palette
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        strip.indices[static_cast<std::size_t>(y * strip.width + static_cast<int>(g) * width + x)] =
            glyph.image->IndexAt(x, y);
      }
    }
  }
  return {std::move(strip), {}};
}

}  // namespace

DecodedImage LoadBitmapResource(unsigned id) {
  const BitmapResource* bitmap = FindBitmap(id);
  if (bitmap == nullptr) return {{}, "there is no bitmap " + std::to_string(id)};
  return DecodeStrip(bitmap->cells, bitmap->cellWidth, bitmap->cellHeight);
}

DecodedImage LoadIconImage(unsigned id, int size) {
  const IconResource* icon = FindIcon(id);
  if (icon == nullptr) return {{}, "there is no icon " + std::to_string(id)};
  if (size == kLargeIconSize) return DecodePixelRows(icon->large, StandardColourKey());
  if (size == kSmallIconSize) return DecodePixelRows(icon->small, StandardColourKey());
  return {{}, "icon " + std::to_string(id) + " has no " + std::to_string(size) + " x " + std::to_string(size) +
                  " image"};
}
