#include "pipeline/place_camera.h"

#include <cmath>

namespace {

constexpr double kRadiansPerMs = 0.00039269875;  // just under pi / 8000: one turn per ~16 s
constexpr double kPathRadius = 1000.0;
constexpr double kMeanAltitude = 1000.0;
constexpr double kAltitudeSwing = 700.0;
constexpr double kThird = 1.0 / 3.0;
constexpr double kFifth = 0.2;
constexpr double kHalf = 0.5;

}  // namespace

void PlaceCamera(std::uint32_t tick, Camera& camera) {
  // Unsigned to double is exact, and counts of 2^31 and above stay positive.
  const double a = static_cast<double>(tick) * kRadiansPerMs;
  camera.x = (std::cos(a) - std::sin(a * kThird)) * kPathRadius;
  camera.y = (std::sin(a) + std::cos(a * kFifth)) * kPathRadius;
  camera.altitude = std::cos(a * kHalf) * kAltitudeSwing + kMeanAltitude;
}
