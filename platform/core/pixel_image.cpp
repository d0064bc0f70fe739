#include "platform/core/pixel_image.h"

#include <cstring>

namespace {

constexpr ColourKeyEntry kStandardKey[] = {
    {'k', RGB(0, 0, 0)},       {'m', RGB(128, 0, 0)},     {'g', RGB(0, 128, 0)},
    {'o', RGB(128, 128, 0)},   {'n', RGB(0, 0, 128)},     {'p', RGB(128, 0, 128)},
    {'t', RGB(0, 128, 128)},   {'s', RGB(192, 192, 192)}, {'d', RGB(128, 128, 128)},
    {'r', RGB(255, 0, 0)},     {'l', RGB(0, 255, 0)},     {'y', RGB(255, 255, 0)},
    {'b', RGB(0, 0, 255)},     {'f', RGB(255, 0, 255)},   {'c', RGB(0, 255, 255)},
    {'w', RGB(255, 255, 255)}, {'.', std::nullopt},
};

// Palette index per symbol of the key; kTransparentIndex for see-through.
struct KeyIndex {
  int index = kTransparentIndex;
  bool known = false;
};

std::string Where(std::size_t row, std::size_t column) {
  return "row " + std::to_string(row + 1) + ", column " + std::to_string(column + 1);
}

}  // namespace

std::span<const ColourKeyEntry> StandardColourKey() { return kStandardKey; }

DecodedImage DecodePixelRows(std::span<const char* const> rows,
                             std::span<const ColourKeyEntry> key) {
  if (rows.empty() || rows[0] == nullptr || rows[0][0] == '\0') return {{}, "the image has no pixels"};

  PixelImage image;
  KeyIndex lookup[256];
  for (const ColourKeyEntry& entry : key) {
    KeyIndex& slot = lookup[static_cast<unsigned char>(entry.symbol)];
    if (slot.known) return {{}, std::string("the key lists symbol '") + entry.symbol + "' twice"};
    slot.known = true;
    if (entry.colour) {
      slot.index = static_cast<int>(image.palette.size());
      image.palette.push_back(*entry.colour);
    }
  }

  const std::size_t width = std::strlen(rows[0]);
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(rows.size());
  image.indices.reserve(width * rows.size());
  for (std::size_t y = 0; y < rows.size(); ++y) {
    const char* row = rows[y];
    const std::size_t length = row ? std::strlen(row) : 0;
    if (length != width) {
      return {{}, "row " + std::to_string(y + 1) + " has " + std::to_string(length) +
                      " pixels, the first row " + std::to_string(width)};
    }
    for (std::size_t x = 0; x < width; ++x) {
      const KeyIndex& slot = lookup[static_cast<unsigned char>(row[x])];
      if (!slot.known) return {{}, std::string("unknown symbol '") + row[x] + "' at " + Where(y, x)};
      image.indices.push_back(slot.index);
    }
  }
  return {std::move(image), {}};
}
