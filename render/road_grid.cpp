#include "render/road_grid.h"

#include <cmath>

#include "pipeline/ieee_quotient.h"
#include "pipeline/picture_halves.h"
#include "pipeline/truncate_to_int32.h"
#include "pipeline/visible_extents.h"
#include "platform/draw/dc.h"

namespace {

// Ground offsets along one axis to picture pixels at ground height 0. Both
// axes scale by halfH so a pixel covers the same ground across and down; the
// finished coordinate is truncated, not the offset.
struct GroundToPicture {
  double halfW;
  double halfH;
  double altitude;
  double zoom;

  double Scaled(double e) const { return (IeeeQuotient(e, altitude) * zoom) * halfH; }
  std::int32_t Column(double e) const { return TruncateToInt32(Scaled(e) + halfW); }
  std::int32_t Row(double e) const { return TruncateToInt32(halfH - Scaled(e)); }
};

// A band is drawn only when both edges are strictly inside the extent; a NaN
// extent fails no test, so every band passes (and comes out empty).
bool Skipped(double a, double b, double extent) {
  return std::abs(a) >= extent || std::abs(b) >= extent;
}

}  // namespace

RoadBands RoadBandsOf(const Rect& clientRect, const Camera& camera) {
  const PictureHalves halves = PictureHalvesOf(clientRect);
  const VisibleExtents extents = VisibleExtentsOf(camera, clientRect);
  const GroundToPicture map{double(halves.halfW), double(halves.halfH), camera.altitude,
                            camera.zoom};
  RoadBands bands;
  for (std::int32_t k = -kGridRadius; k <= kGridRadius; ++k) {
    const double c = k * kBlockPitch;
    const double a = (c - kRoadHalfWidth) - camera.x;
    const double b = (c + kRoadHalfWidth) - camera.x;
    if (Skipped(a, b, extents.x)) continue;
    bands.rects[bands.count++] = {map.Column(a), clientRect.top, map.Column(b), clientRect.bottom};
  }
  for (std::int32_t k = -kGridRadius; k <= kGridRadius; ++k) {
    const double c = k * kBlockPitch;
    const double a = (c - kRoadHalfWidth) - camera.y;
    const double b = (c + kRoadHalfWidth) - camera.y;
    if (Skipped(a, b, extents.y)) continue;
    // World y grows up the picture: the far edge b is the upper one.
    bands.rects[bands.count++] = {clientRect.left, map.Row(b), clientRect.right, map.Row(a)};
  }
  return bands;
}

std::int32_t DrawRoadGrid(CDC& dc, const Rect& clientRect, const Camera& camera) {
  const RoadBands bands = RoadBandsOf(clientRect, camera);
  for (int i = 0; i < bands.count; ++i) dc.FillSolidRect(bands.rects[i], kRoadColor);
  return 0;
}
