#include "pipeline/visible_extents.h"

#include <limits>

#include "pipeline/picture_halves.h"

namespace {

constexpr double kMargin = 1.1;

// The picture's aspect ratio. For halfH == 0 the IEEE quotient is spelled out
// rather than divided, since dividing by zero is undefined in C++ itself.
double AspectRatio(const PictureHalves& halves) {
  if (halves.halfH != 0) return static_cast<double>(halves.halfW) / halves.halfH;
  if (halves.halfW > 0) return std::numeric_limits<double>::infinity();
  if (halves.halfW < 0) return -std::numeric_limits<double>::infinity();
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

VisibleExtents VisibleExtentsOf(const Camera& camera, const Rect& clientRect) {
  const double aspect = AspectRatio(PictureHalvesOf(clientRect));
  return {aspect / camera.zoom * camera.altitude * kMargin, camera.altitude / camera.zoom * kMargin};
}
