#include "platform/raster/raster_polygon.h"

#include <algorithm>

RasterTarget::RasterTarget(const PixelRows& rows) : rows(rows), clip{0, 0, rows.width, rows.height} {}

RasterTarget::RasterTarget(const PixelRows& rows, const Rect& clip, int dx, int dy)
    : rows(rows), clip(clip), dx(dx), dy(dy) {}

void FillPolygon(const RasterTarget& target, const Point* points, int count, std::uint32_t color) {
  if (target.Empty() || !points || count < 3 || count > kMaxRasterCorners) return;
  const Rect& clip = target.clip;
  raster_walk::WalkFill(clip.top, clip.bottom, points, count, [&](int y, std::int64_t from, std::int64_t to) {
    from = std::max<std::int64_t>(from, clip.left);
    to = std::min<std::int64_t>(to, clip.right);
    if (from < to) FillRun(target.RowStart(y) + (from - clip.left), to - from, color);
  });
}

void DrawLine(const RasterTarget& target, Point a, Point b, std::uint32_t color) {
  if (target.Empty()) return;
  const Rect& clip = target.clip;
  raster_walk::WalkLineRuns(clip.left, clip.right, clip.top, clip.bottom, a, b, [&](int y, int from, int to) {
    FillRun(target.RowStart(y) + (from - clip.left), to - from, color);
  });
}

void OutlinePolygon(const RasterTarget& target, const Point* points, int count, std::uint32_t color) {
  if (!points || count < 1) return;
  for (int i = 0; i < count; ++i) DrawLine(target, points[i], points[(i + 1) % count], color);
}
