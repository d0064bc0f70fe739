#pragma once
// The glyphs of the surface font, as the desktop's toolkit draws them, for
// drawing text where there is no toolkit. The build writes the table
// (tools/make_glyph_table.cpp) from the desktop's own text drawing; nothing
// here is measured at run time.

#include <cstdint>
#include <span>

// Positions and advances are in 64ths of a pixel, as the toolkit lays text
// out; a glyph is drawn from the whole pixel at or left of its position.
inline constexpr int kGlyphUnitsPerPixel = 64;
// The table holds the printable ASCII characters, space first.
inline constexpr char kFirstTableChar = ' ';
inline constexpr char kLastTableChar = '~';
inline constexpr int kTableChars = kLastTableChar - kFirstTableChar + 1;

// One character's glyph: its pixels, a bit each, row after row with no
// padding, from bit 0 of byte firstByte of the table's bits.
// Small fields: the table is part of the page.
struct GlyphImage {
  std::int16_t advance;  // to the next character's position, without kerning
  // How far the glyph's outline reaches right of its advance: a line that
  // ends in it covers that much more.
  std::int16_t overhang;
  std::int8_t left;  // the first column, from the position's whole pixel
  std::int8_t top;   // the first row, from the top of the line
  std::uint8_t width;
  std::uint8_t height;
  std::uint32_t firstByte;
};

// Added to the advance from left to right when right follows left.
struct KernPair {
  char left;
  char right;
  std::int16_t adjust;
};

// The font at one pixel size and hinting.
struct GlyphFace {
  int pixelSize;
  bool fullHinting;
  int lineHeight;  // the rows a line covers, whatever its characters
  std::span<const GlyphImage> glyphs;  // kTableChars of them, space first
  std::span<const KernPair> kerns;     // ordered by left, then right
};

struct GlyphTable {
  // The font's size at ratio 1 before rounding: a ratio r asks for the face
  // of the whole number of pixels nearest to r times this.
  double pixelsAtOne;
  std::span<const GlyphFace> faces;
  std::span<const std::uint8_t> bits;
};

// The table the build wrote; linked from the generated source.
const GlyphTable& SurfaceGlyphTable();
