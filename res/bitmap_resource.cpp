#include "res/bitmap_resource.h"

#include <string>

#include "res/resource.h"
#include "res/toolbar_resource.h"

namespace {

// Symbols as in StandardColourKey(); 's' is the button face.

constexpr const char* kNewGlyph[] = {
    "ssssssssssssssss",
    "sssskkkkkkksssss",
    "sssskwwwwwkkssss",
    "sssskwwwwwkwksss",
    "sssskwwwwwkkkkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskwwwwwwwwkss",
    "sssskkkkkkkkkkss",
    "ssssssssssssssss",
};

constexpr const char* kOpenGlyph[] = {
    "ssssssssssssssss",
    "ssssssssssssssss",
    "sskkkkssssssssss",
    "skyyyykkkkkkksss",
    "skooooooooooksss",
    "skooooooooooksss",
    "skoookkkkkkkkkkk",
    "skookyyyyyyyyyks",
    "skookyyyyyyyyyks",
    "skokyyyyyyyyykss",
    "skokyyyyyyyyykss",
    "skkyyyyyyyyyksss",
    "skkkkkkkkkkkssss",
    "ssssssssssssssss",
    "ssssssssssssssss",
};

constexpr const char* kSaveGlyph[] = {
    "ssssssssssssssss",
    "skkkkkkkkkkkkkss",
    "sknwwwwwwwwwnkss",
    "sknwwwwwwwwwnkss",
    "sknwddddddwwnkss",
    "sknwwwwwwwwwnkss",
    "sknnnnnnnnnnnkss",
    "sknnnnnnnnnnnkss",
    "sknnsssssssnnkss",
    "sknnsddssssnnkss",
    "sknnsddssssnnkss",
    "sknnsddssssnnkss",
    "sknnsssssssnnkss",
    "skkkkkkkkkkkkkss",
    "ssssssssssssssss",
};

constexpr const char* kCutGlyph[] = {
    "ssssssssssssssss",
    "ssssksssssksssss",
    "ssssksssssksssss",
    "ssssskssskssssss",
    "ssssskssskssssss",
    "ssssssksksssssss",
    "ssssssskssssssss",
    "ssssssnsnsssssss",
    "sssnnnsssnnnssss",
    "ssnsssnsnsssnsss",
    "ssnsssnsnsssnsss",
    "ssnsssnsnsssnsss",
    "sssnnnsssnnnssss",
    "ssssssssssssssss",
    "ssssssssssssssss",
};

constexpr const char* kCopyGlyph[] = {
    "ssssssssssssssss",
    "skkkkkkkksssssss",
    "skwwwwwwksssssss",
    "skwkkkkwksssssss",
    "skwwwwwwksssssss",
    "skwkkkkkkkkkkkks",
    "skwwwwkwwwwwwwks",
    "skwkkkkwkkkkkwks",
    "skwwwwkwwwwwwwks",
    "skkkkkkwkkkkkwks",
    "sssssskwwwwwwwks",
    "sssssskwkkkkkwks",
    "sssssskwwwwwwwks",
    "sssssskkkkkkkkks",
    "ssssssssssssssss",
};

constexpr const char* kPasteGlyph[] = {
    "ssssssssssssssss",
    "sssssskkkkssssss",
    "sskkkkddddkkkkss",
    "sskookkkkkkookss",
    "sskowwwwwwwwokss",
    "sskowkkkkkkwokss",
    "sskowwwwwwwwokss",
    "sskowkkkkkkwokss",
    "sskowwwwwwwwokss",
    "sskowkkkkwwwokss",
    "sskowwwwwwwwokss",
    "sskowwwwwwwwokss",
    "sskooooooooookss",
    "sskkkkkkkkkkkkss",
    "ssssssssssssssss",
};

constexpr const char* kPrintGlyph[] = {
    "ssssssssssssssss",
    "sssskkkkkkkkssss",
    "sssskwwwwwwkssss",
    "sssskwkkkkwkssss",
    "sssskwwwwwwkssss",
    "skkkkkkkkkkkkkks",
    "skwwwwwwwwwwwwks",
    "skssssssssssglks",
    "skddddddddddddks",
    "skkkkkkkkkkkkkks",
    "ssskwwwwwwwwksss",
    "ssskwkkkkkkwksss",
    "ssskwwwwwwwwksss",
    "ssskkkkkkkkkksss",
    "ssssssssssssssss",
};

constexpr const char* kAboutGlyph[] = {
    "ssssssssssssssss",
    "ssssssnnnnssssss",
    "sssssnnnnnnsssss",
    "ssssnnssssnnssss",
    "ssssnnssssnnssss",
    "ssssssssssnnssss",
    "sssssssssnnsssss",
    "ssssssssnnssssss",
    "sssssssnnsssssss",
    "sssssssnnsssssss",
    "ssssssssssssssss",
    "sssssssnnsssssss",
    "sssssssnnsssssss",
    "ssssssssssssssss",
    "ssssssssssssssss",
};

// One glyph per non-separator button of toolbar 128, in its order.
constexpr std::span<const char* const> kMainFrameGlyphs[] = {
    kNewGlyph, kOpenGlyph, kSaveGlyph, kCutGlyph, kCopyGlyph, kPasteGlyph, kPrintGlyph, kAboutGlyph,
};

// Lays the glyphs side by side into one strip.
DecodedImage DecodeStrip(std::span<const std::span<const char* const>> glyphs, int width, int height) {
  PixelImage strip;
  strip.width = width * static_cast<int>(glyphs.size());
  strip.height = height;
  strip.indices.assign(static_cast<std::size_t>(strip.width * strip.height), kTransparentIndex);
  for (std::size_t g = 0; g < glyphs.size(); ++g) {
    DecodedImage glyph = DecodePixelRows(glyphs[g], StandardColourKey());
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
  if (id == IDR_MAINFRAME) {
    const ToolBarResource* toolBar = FindToolBar(IDR_MAINFRAME);
    return DecodeStrip(kMainFrameGlyphs, toolBar->buttonWidth, toolBar->buttonHeight);
  }
  return {{}, "there is no bitmap " + std::to_string(id)};
}
