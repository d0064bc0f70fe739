#pragma once
// Platform-internal: filling and outlining small polygons straight into a
// 32-bit pixel buffer. The general path of the raster engine costs about
// twice a plain fill per pixel; a frame is mostly quadrilaterals, so they get
// this one. Corners may lie anywhere in 32-bit space: all arithmetic that
// could overflow is done wide, and only pixels inside the buffer are touched.

#include <cstddef>
#include <cstdint>

#include "base/geometry.h"
#include "platform/draw/raster_walk.h"

struct PixelRows {
  std::uint32_t* pixels = nullptr;  // row 0, column 0
  std::ptrdiff_t stride = 0;        // pixels from one row to the next
  int width = 0;
  int height = 0;
};

// Fills the pixels whose centres lie inside the closed polygon, alternate
// (even-odd) rule; a centre exactly on an edge belongs to the span on its
// right. Does nothing for fewer than 3 or more than kMaxRasterCorners corners.
void FillPolygon(const PixelRows& rows, const Point* points, int count, std::uint32_t color);

// A 1-pixel line from a to b, both ends included (Bresenham).
void DrawLine(const PixelRows& rows, Point a, Point b, std::uint32_t color);

// The closed outline: a line from each corner to the next and from the last
// back to the first.
void OutlinePolygon(const PixelRows& rows, const Point* points, int count, std::uint32_t color);

