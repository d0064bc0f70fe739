#pragma once
// Platform-internal: a line of text laid out and drawn once, kept as the
// runs of pixels its glyphs cover. A surface that keeps its drawing for later
// writes those runs like any fill, into whatever picture and whenever it is
// resolved, and text laid out after it cannot change it. A line drawn again
// where it was keeps its runs, so a repeated line costs neither a layout nor a
// drawing.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "platform/raster/glyph_run.h"

// The font every surface draws text in, for a screen at pixelRatio device
// pixels to a logical one: as large there as at 1 on an ordinary screen.
// Pixels, not shapes: only the colours the program asks for ever appear.
QFont SurfaceFont(double pixelRatio);
// The surface font's size in pixels at ratio 1, before it is rounded to
// whole pixels for a ratio.
double SurfaceFontPixels();

class TextCapture {
 public:
  // Lays text out in the surface font for pixelRatio from the corner of box
  // with flags, as a painter on a 32-bit image would, and finds the pixels
  // its glyphs cover inside clip. Returns the rectangle the layout covers.
  QRect Capture(std::string_view text, const QRect& box, int flags, const QRect& clip, double pixelRatio);
  // The pixels the glyphs of the last line captured cover, row by row from the top.
  const std::vector<GlyphRun>& Runs() const { return runs_; }

 private:
  // A scratch picture of width x height with the painter begun on it.
  bool Grow(int width, int height);
  // Draws the line into the scratch picture and keeps what it covers of area.
  void Draw(const QRect& area);

  std::string text_;
  QRect box_;
  int flags_ = 0;
  QRect clip_;
  double pixelRatio_ = 1.0;  // of the painter's font
  QRect covered_;
  std::vector<GlyphRun> runs_;  // of the line above
  QString line_;
  QImage scratch_;  // grows to the largest line drawn, and stays
  QPainter painter_;
};
