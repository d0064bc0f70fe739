#pragma once
// Platform-internal: filling and outlining small polygons straight into a
// 32-bit pixel buffer. The general path of the raster engine costs about
// twice a plain fill per pixel; a frame is mostly quadrilaterals, so they get
// this one. Corners may lie anywhere in 32-bit space: all arithmetic that
// could overflow is done wide, and only pixels inside the clip are touched.

#include <cstddef>
#include <cstdint>
#include <cwchar>

#include "base/geometry.h"
#include "platform/raster/raster_walk.h"

struct PixelRows {
  std::uint32_t* pixels = nullptr;  // row 0, column 0
  std::ptrdiff_t stride = 0;        // pixels from one row to the next
  int width = 0;
  int height = 0;
};

// Where drawing lands: pixel (x, y) of a picture, for x and y inside clip,
// is stored at column x + dx, row y + dy of rows. Drawing in place is the
// whole picture with no offset; a block copy resolves into another picture's
// rectangle at the copy's offset.
struct RasterTarget {
  RasterTarget(const PixelRows& rows);  // NOLINT: in place is the usual case
  RasterTarget(const PixelRows& rows, const Rect& clip, int dx, int dy);

  bool Empty() const { return !rows.pixels || clip.right <= clip.left || clip.bottom <= clip.top; }
  // Where pixel (clip.left, y) is stored.
  std::uint32_t* RowStart(int y) const {
    return rows.pixels + (std::ptrdiff_t(y) + dy) * rows.stride + (std::ptrdiff_t(clip.left) + dx);
  }

  PixelRows rows;
  Rect clip;  // inside the picture, and once moved by dx, dy, inside rows
  int dx = 0;
  int dy = 0;
};

// The one run fill: count > 0 pixels from first on. The C library's
// wide-character fill is its vectorised 32-bit fill; a plain loop stores one
// pixel at a time, and for a few pixels a call costs more than the stores.
// WebAssembly's C library fills one at a time: with 128-bit vectors the
// compiler's own loop stores four, at half the paint's time.
inline void FillRun(std::uint32_t* first, std::ptrdiff_t count, std::uint32_t color) {
#if defined(__wasm_simd128__)
  for (std::ptrdiff_t i = 0; i < count; ++i) first[i] = color;
#else
  static_assert(sizeof(wchar_t) == sizeof(std::uint32_t), "runs are filled as wide characters");
  constexpr std::ptrdiff_t kStoredOneByOne = 8;
  if (count <= kStoredOneByOne) {
    for (std::ptrdiff_t i = 0; i < count; ++i) first[i] = color;
  } else {
    std::wmemset(reinterpret_cast<wchar_t*>(first), static_cast<wchar_t>(color), std::size_t(count));
  }
#endif
}

// Fills the pixels whose centres lie inside the closed polygon, alternate
// (even-odd) rule; a centre exactly on an edge belongs to the span on its
// right. Does nothing for fewer than 3 or more than kMaxRasterCorners corners.
void FillPolygon(const RasterTarget& target, const Point* points, int count, std::uint32_t color);

// A 1-pixel line from a to b, both ends included (Bresenham).
void DrawLine(const RasterTarget& target, Point a, Point b, std::uint32_t color);

// The closed outline: a line from each corner to the next and from the last
// back to the first.
void OutlinePolygon(const RasterTarget& target, const Point* points, int count, std::uint32_t color);
