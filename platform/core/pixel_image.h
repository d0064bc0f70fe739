#pragma once
// The picture format of bitmaps and icons: small palette images kept as
// editable text, one string per row, one character per pixel, each
// character looked up in a colour key.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/geometry.h"

struct ColourKeyEntry {
  char symbol = ' ';
  std::optional<COLORREF> colour;  // empty: see-through
};

// The sixteen colours of the classic 4-bit palette, one letter each, plus
// '.' for see-through pixels (icons only; toolbar glyphs sit on silver 's').
//   k black  m maroon  g green   o olive   n navy  p purple   t teal  s silver
//   d grey   r red     l lime    y yellow  b blue  f fuchsia  c cyan  w white
std::span<const ColourKeyEntry> StandardColourKey();

inline constexpr int kTransparentIndex = -1;

struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> palette;  // the opaque colours of the key, in key order
  std::vector<int> indices;       // row-major palette index or kTransparentIndex

  int IndexAt(int x, int y) const { return indices[static_cast<std::size_t>(y * width + x)]; }
  bool IsTransparent(int x, int y) const { return IndexAt(x, y) == kTransparentIndex; }
  COLORREF ColourAt(int x, int y) const { return palette[static_cast<std::size_t>(IndexAt(x, y))]; }
};

struct DecodedImage {
  std::optional<PixelImage> image;
  std::string error;  // why decoding failed, naming the row and column
};

// Reads rows of symbols; every row must be as long as the first and every
// symbol must be in the key.
DecodedImage DecodePixelRows(std::span<const char* const> rows,
                             std::span<const ColourKeyEntry> key);
