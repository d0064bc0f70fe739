#pragma once
// A line of text laid out from a glyph table, as the desktop lays out the
// surface font's: left and top aligned from a corner, glyphs on the whole
// pixel at or left of their position, kerned, the line covering its advance
// rounded up by the face's line height.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/geometry.h"
#include "platform/raster/glyph_run.h"
#include "platform/raster/glyph_table.h"

class TableText {
 public:
  // Told once each, in a sentence, when a line is drawn in another size than
  // its ratio asks for (the table lacks it) and when a line holds characters
  // the table lacks (they take no room).
  using Notice = std::function<void(const std::string&)>;

  explicit TableText(const GlyphTable& table, Notice notice = {});

  // Lays text out from corner in the face for pixelRatio and finds the
  // pixels its glyphs cover inside clip. Returns the rectangle the layout
  // covers, which may reach beyond clip (edges held to 32 bits).
  Rect Lay(std::string_view text, Point corner, const Rect& clip, double pixelRatio);
  // The pixels the glyphs of the last line cover, row by row from the top,
  // each row's runs left to right, touching runs joined.
  std::span<const GlyphRun> Runs() const { return runs_; }

  // The face a ratio draws in: the one of its size and hinting, else the
  // nearest size.
  const GlyphFace& FaceFor(double pixelRatio);

 private:
  struct Placed {
    const GlyphImage* glyph;
    std::int64_t x;  // the glyph's first column
  };
  void Tell(bool& told, const std::string& what);
  void Ink(std::int64_t top, const Rect& clip);

  const GlyphTable& table_;
  Notice notice_;
  bool toldSize_ = false;
  bool toldChars_ = false;
  std::vector<Placed> placed_;
  std::vector<std::uint8_t> ink_;  // one byte a pixel of the inked area
  std::vector<GlyphRun> runs_;
};
