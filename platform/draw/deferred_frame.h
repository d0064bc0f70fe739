#pragma once
// Platform-internal: the fills and polygons drawn on a memory surface since
// its pixels were last needed. Drawn one over another, most pixels of a frame
// would be written two or three times; kept until the pixels are needed, the
// shapes are written nearest first, each pixel once, into what nothing nearer
// has covered yet. The picture is resolved in bands of rows, so that what is
// covered (one bit a pixel) stays in the nearest cache, and a band that is
// covered whole stops looking at the shapes behind.

#include <cstdint>
#include <vector>

#include "base/geometry.h"
#include "platform/draw/raster_polygon.h"

// One fill, polygon or reserved rectangle as it was drawn.
struct RecordedShape {
  enum class Kind : std::uint8_t { kFill, kPolygon, kReserve } kind;
  bool filled;
  bool outlined;
  std::int8_t count;
  std::uint32_t fillColor;
  std::uint32_t outlineColor;
  std::int64_t left;  // columns left <= x < right and rows top <= y < bottom hold all of it
  std::int64_t right;
  std::int64_t top;
  std::int64_t bottom;
  Rect area;  // kFill and kReserve
  Point points[kMaxRasterCorners];
};

class DeferredFrame {
 public:
  DeferredFrame();

  bool Empty() const { return shapes_.empty(); }
  // A rectangle already clipped to the surface: left <= x < right, top <= y < bottom.
  void Fill(const Rect& area, std::uint32_t color);
  // A polygon the raster filler takes (at most kMaxRasterCorners corners):
  // filled when fill is set, then outlined when outline is set.
  void Polygon(const Point* points, int count, const std::uint32_t* fill, const std::uint32_t* outline);
  // A rectangle, clipped to the surface, that something drawn after the
  // resolve covers whole: nothing is written there.
  void Reserve(const Rect& area);

  // Writes what was recorded into rows, as drawn in order, and forgets it.
  // Pixels that no shape covers keep what they held.
  void Resolve(const PixelRows& rows);
  // Forgets what was recorded without writing it.
  void Clear() { shapes_.clear(); }

 private:
  // Draws the shapes in the order they came, one over another.
  void Replay(const PixelRows& rows) const;
  std::vector<RecordedShape> shapes_;
  // What of a band is covered, a bit a pixel. Kept between frames, so a
  // resolve allocates nothing while the width stays.
  std::vector<std::uint64_t> covered_;
};
