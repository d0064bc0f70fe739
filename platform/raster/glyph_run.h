#pragma once
// Platform-internal: the pixels a line of text's glyphs cover, as runs the
// raster layer writes like any fill. Whatever lays the text out finds them.

// Pixels from <= x < to of row y.
struct GlyphRun {
  int y;
  int from;
  int to;
};
