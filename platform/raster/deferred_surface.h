#pragma once
// Platform-internal: the drawing a memory surface keeps until its pixels are
// needed. Drawn one over another, most pixels of a frame would be written two
// or three times, and then once more by the copy to the window; kept, they are
// written once, straight into whichever picture needs them: the surface's own
// bitmap when it is read, or the window's rectangle a block copy names.

#include <cstdint>
#include <span>
#include <vector>

#include "base/geometry.h"
#include "platform/raster/glyph_run.h"
#include "platform/raster/recorded_shape.h"

class DeferredSurface {
 public:
  // Which way ResolveInto wrote the pixels; a test that checks each way
  // needs to know that it reached it.
  enum class Way { kNone, kInOrder, kNearestFirst, kNearestFirstStreamed };

  // Over a picture of width x height, whose pixels hold what was drawn
  // before anything is recorded.
  DeferredSurface(int width, int height);

  bool Empty() const { return shapes_.empty(); }

  // A rectangle already clipped to the surface: left <= x < right, top <= y
  // < bottom. One over the whole surface hides all that came before it,
  // which is forgotten.
  void Fill(const Rect& area, std::uint32_t color);
  // A polygon filled with fill when given, then outlined with outline when
  // given. False, with nothing recorded, for fewer than 2 or more than
  // kMaxRasterCorners corners: the caller draws those its own way.
  bool Polygon(const Point* points, int count, const std::uint32_t* fill, const std::uint32_t* outline);
  // A line of text: its cells (already clipped to the surface, maybe empty)
  // covered in background as a fill, then the pixels of runs (rows from the
  // top, inside cells) in color.
  void Glyphs(const Rect& cells, std::span<const GlyphRun> runs, std::uint32_t background, std::uint32_t color);

  // Writes the picture into target: what was recorded over the pixels of
  // own (the surface's own pixels; target may be them). What was recorded is
  // kept, so the same picture can be written again.
  Way ResolveInto(const PixelRows& own, const RasterTarget& target);
  // Forgets what was recorded: own holds it now.
  void Clear();

 private:
  int width_;
  int height_;
  std::vector<RecordedShape> shapes_;
  std::vector<GlyphRun> runs_;
  // The first shape covers every pixel, so the pixels underneath are never read.
  bool coversAll_ = false;
  // What of a band is covered, a bit a pixel. Kept between frames, so a
  // resolve allocates nothing while the width stays.
  std::vector<std::uint64_t> covered_;
  // One band of written pixels on its way into the target; kept likewise.
  std::vector<std::uint32_t> staged_;
};
