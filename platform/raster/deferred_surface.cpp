#include "platform/raster/deferred_surface.h"

#include <algorithm>
#include <cstring>

namespace {

// A frame is a few hundred shapes and a line of text; room for them is made once.
constexpr std::size_t kShapesReserved = 512;
constexpr std::size_t kRunsReserved = 4096;
// Up to this many pixels written (800 x 600 included, 1920 x 1080 not), the
// picture stays in the processor's caches, where writing a pixel twice costs
// less than working out which shape owns it: such pictures are written in
// the order drawn (a quarter faster at 800 x 600; nearest first is faster
// from 1920 x 1080 on).
constexpr std::int64_t kLargestReplayedPixels = std::int64_t(1) << 20;

// Copies own's pixels inside target's clip into target.
void CopyUnder(const PixelRows& own, const RasterTarget& target) {
  const Rect& clip = target.clip;
  const std::size_t bytes = std::size_t(clip.right - clip.left) * sizeof(std::uint32_t);
  for (int y = clip.top; y < clip.bottom; ++y)
    std::memcpy(target.RowStart(y), own.pixels + y * own.stride + clip.left, bytes);
}

}  // namespace

DeferredSurface::DeferredSurface(int width, int height) : width_(width), height_(height) {
  shapes_.reserve(kShapesReserved);
  runs_.reserve(kRunsReserved);
}

void DeferredSurface::Fill(const Rect& area, std::uint32_t color) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  if (area.left <= 0 && area.top <= 0 && area.right >= width_ && area.bottom >= height_) {
    Clear();
    coversAll_ = true;
  }
  RecordedShape& s = shapes_.emplace_back();
  s.kind = RecordedShape::Kind::kFill;
  s.fillColor = color;
  s.left = area.left;
  s.right = area.right;
  s.top = area.top;
  s.bottom = area.bottom;
}

bool DeferredSurface::Polygon(const Point* points, int count, const std::uint32_t* fill,
                              const std::uint32_t* outline) {
  if (!points || count < 2 || count > kMaxRasterCorners) return false;
  RecordedShape& s = shapes_.emplace_back();
  s.kind = RecordedShape::Kind::kPolygon;
  s.filled = fill != nullptr;
  s.outlined = outline != nullptr;
  s.fillColor = fill ? *fill : 0;
  s.outlineColor = outline ? *outline : 0;
  s.count = std::int8_t(count);
  std::copy(points, points + count, s.points);
  const auto [low, high] = std::minmax_element(points, points + count,
                                               [](const Point& a, const Point& b) { return a.y < b.y; });
  const auto [leftmost, rightmost] = std::minmax_element(
      points, points + count, [](const Point& a, const Point& b) { return a.x < b.x; });
  // The outline reaches the last row and column of the corners.
  s.left = leftmost->x;
  s.right = std::int64_t(rightmost->x) + 1;
  s.top = low->y;
  s.bottom = std::int64_t(high->y) + 1;
  return true;
}

void DeferredSurface::Glyphs(const Rect& cells, std::span<const GlyphRun> runs, std::uint32_t background,
                             std::uint32_t color) {
  // The cells go first: over the whole surface they hide all before them.
  Fill(cells, background);
  if (runs.empty()) return;
  RecordedShape& s = shapes_.emplace_back();
  s.kind = RecordedShape::Kind::kGlyphs;
  s.fillColor = color;
  s.firstRun = int(runs_.size());
  runs_.insert(runs_.end(), runs.begin(), runs.end());
  s.endRun = int(runs_.size());
  s.top = runs.front().y;
  s.bottom = runs.back().y + 1;
  s.left = std::min_element(runs.begin(), runs.end(), [](const GlyphRun& a, const GlyphRun& b) { return a.from < b.from; })->from;
  s.right = std::max_element(runs.begin(), runs.end(), [](const GlyphRun& a, const GlyphRun& b) { return a.to < b.to; })->to;
}

DeferredSurface::Way DeferredSurface::ResolveInto(const PixelRows& own, const RasterTarget& target) {
  if (target.Empty()) return Way::kNone;
  if (!coversAll_ && target.rows.pixels != own.pixels) CopyUnder(own, target);
  if (shapes_.empty()) return Way::kNone;
  const Recording recording{shapes_, runs_};
  const Rect& clip = target.clip;
  if (std::int64_t(clip.right - clip.left) * (clip.bottom - clip.top) <= kLargestReplayedPixels) {
    ReplayInOrder(recording, target);
    return Way::kInOrder;
  }
  ResolveNearestFirst(recording, target, covered_, coversAll_ ? &staged_ : nullptr);
  return coversAll_ ? Way::kNearestFirstStreamed : Way::kNearestFirst;
}

void DeferredSurface::Clear() {
  shapes_.clear();
  runs_.clear();
  coversAll_ = false;
}
