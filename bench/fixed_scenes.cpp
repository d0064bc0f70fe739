#include "bench/fixed_scenes.h"

#include "pipeline/frame_geometry.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

constexpr int kGridSide = 10;             // 10 x 10 = every slot
constexpr double kGridCentre = 1000.0;    // under the camera at tick 0
constexpr double kGridPitch = 250.0;      // centres within 1125 of it: inside the 1870 visible half-height
constexpr double kBoxSide = 150.0;
constexpr double kStoreyHeight = 200.0;
constexpr int kStoreyChoices = 5;         // heights 400 to 1200, as generated cities have

}  // namespace

void LoadFirstCity() {
  ResetScene();
  crt::ResetRandom();
  GenerateCity();
}

void LoadFullCityInView() {
  static_assert(kGridSide * kGridSide == kMaxBuildings);
  ResetScene();
  SceneStore& s = Scene();
  for (int row = 0; row < kGridSide; ++row) {
    for (int col = 0; col < kGridSide; ++col) {
      Building& b = s.buildings[row * kGridSide + col];
      b.centreX = kGridCentre + (col - (kGridSide - 1) / 2.0) * kGridPitch;
      b.centreY = kGridCentre + (row - (kGridSide - 1) / 2.0) * kGridPitch;
      b.width = kBoxSide;
      b.depth = kBoxSide;
      b.height = (2 + (row + col) % kStoreyChoices) * kStoreyHeight;
    }
  }
  s.buildingCount = kMaxBuildings;
}

std::uint32_t BusiestTick(const Rect& clientRect) {
  std::uint32_t best = 0;
  std::int32_t mostPoints = -1;
  for (std::uint32_t tick = 0; tick < kFlightPeriodMs; tick += kShortestStepMs) {
    ComputeFrameGeometry(tick, clientRect);
    if (Scene().pointCount > mostPoints) {
      mostPoints = Scene().pointCount;
      best = tick;
    }
  }
  ComputeFrameGeometry(best, clientRect);
  return best;
}
