#include "pipeline/visible_extents.h"

#include "pipeline/ieee_quotient.h"
#include "pipeline/picture_halves.h"

namespace {
constexpr double kMargin = 1.1;
}

VisibleExtents VisibleExtentsOf(const Camera& camera, const Rect& clientRect) {
  // The picture's aspect ratio: infinite or NaN for a picture under two pixels high.
  const PictureHalves halves = PictureHalvesOf(clientRect);
  const double aspect = IeeeQuotient(halves.halfW, halves.halfH);
  return {IeeeQuotient(aspect, camera.zoom) * camera.altitude * kMargin,
          IeeeQuotient(camera.altitude, camera.zoom) * kMargin};
}
