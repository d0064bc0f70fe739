#pragma once
// For tests: a picture painted one pixel at a time by the rules the polygon
// filler and the line drawer state, sharing none of their code.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/geometry.h"
#include "platform/raster/raster_polygon.h"

// Even-odd at the centre of (px, py): count the edges whose crossing of the
// centre's row lies at or left of the centre.
inline bool CentreInside(const Point* poly, int count, int px, int py) {
  using Wide = __int128;
  const Wide cx2 = 2 * Wide(px) + 1;
  const Wide cy2 = 2 * Wide(py) + 1;
  bool inside = false;
  for (int i = 0; i < count; ++i) {
    Point a = poly[i];
    Point b = poly[(i + 1) % count];
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b);
    if (cy2 < 2 * Wide(a.y) || cy2 >= 2 * Wide(b.y)) continue;
    const Wide dy = Wide(b.y) - a.y;
    const Wide dx = Wide(b.x) - a.x;
    if (2 * Wide(a.x) * dy + (cy2 - 2 * Wide(a.y)) * dx <= cx2 * dy) inside = !inside;
  }
  return inside;
}

struct PlainPicture {
  PlainPicture(int w, int h, std::uint32_t colour) : width(w), height(h), pixels(std::size_t(w) * h, colour) {}
  PixelRows Rows() { return {pixels.data(), width, width, height}; }
  std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
  void Set(std::int64_t x, std::int64_t y, std::uint32_t colour) {
    if (x >= 0 && y >= 0 && x < width && y < height) pixels[std::size_t(y) * width + std::size_t(x)] = colour;
  }

  void Fill(const Rect& r, std::uint32_t colour) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.right, width); ++x) Set(x, y, colour);
  }

  // Every pixel of the corners' box whose centre CentreInside finds.
  void FillByCentres(const Point* poly, int count, std::uint32_t colour) {
    if (count < 3) return;
    const auto [left, right] = std::minmax_element(poly, poly + count, [](Point a, Point b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(poly, poly + count, [](Point a, Point b) { return a.y < b.y; });
    for (int y = std::max(top->y, 0); y < std::min(bottom->y, height); ++y)
      for (int x = std::max(left->x, 0); x < std::min(right->x, width); ++x)
        if (CentreInside(poly, count, x, y)) Set(x, y, colour);
  }

  // Steps 0 .. n along the longer axis; step i is off the shorter one by
  // round(i * m / n), halves away from a. One step at a time: short lines only.
  void Line(Point a, Point b, std::uint32_t colour) {
    const std::int64_t dx = std::int64_t(b.x) - a.x, dy = std::int64_t(b.y) - a.y;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t n = alongX ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t m = alongX ? std::llabs(dy) : std::llabs(dx);
    const int majorStep = (alongX ? dx : dy) < 0 ? -1 : 1;
    const int minorStep = (alongX ? dy : dx) < 0 ? -1 : 1;
    for (std::int64_t i = 0; i <= n; ++i) {
      const std::int64_t off = n == 0 ? 0 : (2 * i * m + n) / (2 * n);
      const std::int64_t major = (alongX ? a.x : a.y) + majorStep * i;
      const std::int64_t minor = (alongX ? a.y : a.x) + minorStep * off;
      Set(alongX ? major : minor, alongX ? minor : major, colour);
    }
  }

  void Outline(const Point* poly, int count, std::uint32_t colour) {
    for (int i = 0; i < count; ++i) Line(poly[i], poly[(i + 1) % count], colour);
  }

  int width;
  int height;
  std::vector<std::uint32_t> pixels;
};
