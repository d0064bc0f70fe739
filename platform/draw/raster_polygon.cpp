#include "platform/draw/raster_polygon.h"

#include <algorithm>
#include <cwchar>

namespace {

using namespace raster_walk;

static_assert(sizeof(wchar_t) == sizeof(std::uint32_t), "spans are filled as wide characters");

void FillSpan(const PixelRows& rows, int y, std::int64_t from, std::int64_t to, std::uint32_t color) {
  from = std::max<std::int64_t>(from, 0);
  to = std::min<std::int64_t>(to, rows.width);
  // The C library's wide-character fill is its vectorised 32-bit fill; a
  // plain loop stores one pixel at a time.
  if (from < to) {
    std::wmemset(reinterpret_cast<wchar_t*>(rows.pixels + y * rows.stride + from),
                 static_cast<wchar_t>(color), std::size_t(to - from));
  }
}

bool Usable(const PixelRows& rows) { return rows.pixels && rows.width > 0 && rows.height > 0; }

}  // namespace

void FillPolygon(const PixelRows& rows, const Point* points, int count, std::uint32_t color) {
  if (!Usable(rows) || !points || count < 3 || count > kMaxRasterCorners) return;
  WalkFill(0, rows.height, points, count, [&](int y, std::int64_t from, std::int64_t to) {
    FillSpan(rows, y, from, to, color);
  });
}

void DrawLine(const PixelRows& rows, Point a, Point b, std::uint32_t color) {
  LineSteps line;
  if (!Usable(rows) || !PlanLine(rows.width, 0, rows.height, a, b, line)) return;
  // The pixel is kept as its index in the buffer, moved one step along the
  // longer axis each time and one across whenever the remainder carries.
  const std::ptrdiff_t majorMove = line.alongX ? line.majorStep : line.majorStep * rows.stride;
  const std::ptrdiff_t minorMove = line.alongX ? line.minorStep * rows.stride : line.minorStep;
  std::ptrdiff_t at = line.alongX ? line.minor * rows.stride + line.major
                                  : line.major * rows.stride + line.minor;
  std::int64_t rem = line.rem;
  for (std::int64_t i = 0; i < line.count; ++i) {
    rows.pixels[at] = color;
    at += majorMove;
    rem += line.twoM;
    if (rem >= line.twoN) {
      rem -= line.twoN;
      at += minorMove;
    }
  }
}

void OutlinePolygon(const PixelRows& rows, const Point* points, int count, std::uint32_t color) {
  if (!points || count < 1) return;
  for (int i = 0; i < count; ++i) DrawLine(rows, points[i], points[(i + 1) % count], color);
}

