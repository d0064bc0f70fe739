#include "scene/city_generator.h"

#include <algorithm>

#include "scene/crt_random.h"

namespace {

constexpr double kCityHalfSize = 2000.0;
constexpr double kBuildingFill = 0.7;    // the box covers the middle 70 % of its cell
constexpr double kSplitChanceScale = 50.0;
constexpr int kAxisBias = 90;            // draws above this always halve the depth
constexpr int kOrderBias = 50;           // draws above this visit the high half first
constexpr std::int32_t kLeafEmptyBit = 256;
constexpr double kStoreyHeight = 200.0;

// One draw reduced to 0..99.
int Percent() { return crt::rand() % 100; }

bool ShouldSplit(double w, double h) {
  if (w > kBlockPitch || h > kBlockPitch) return true;  // forced: no draw
  // Truncation toward zero; w + h is at most 2000 here, so the cast is in range.
  const int p = static_cast<int>((w + h) / kBlockPitch * kSplitChanceScale);
  return p >= Percent();
}

}  // namespace

void GenerateCity(int limit) {
  SceneStore& scene = Scene();
  // buildingCount doubles as the limit while the recursion runs; it is set to
  // the real count at the end. Starting each generation from the full table is
  // what lets a city after a small one grow back.
  scene.buildingCount = std::clamp(limit, 0, kMaxBuildings);
  scene.generatedCount = 0;
  SubdivideCell(-kCityHalfSize, -kCityHalfSize, kCityHalfSize, kCityHalfSize);
  scene.buildingCount = scene.generatedCount;
}

std::int32_t SubdivideCell(double x0, double y0, double x1, double y1) {
  const double w = x1 - x0;
  const double h = y1 - y0;
  if (w < 0) return -1;
  if (h < 0) return -1;
  if (w < kRoadHalfWidth || h < kRoadHalfWidth) return 0;

  if (!ShouldSplit(w, h)) {
    if ((crt::rand() & kLeafEmptyBit) == 0) AddBuilding(x0, y0, x1, y1);
    return 0;
  }

  const bool halveWidth = Percent() <= kAxisBias && 2 * w > h;
  const bool lowFirst = Percent() <= kOrderBias;
  double lowX1 = x1, lowY1 = y1, highX0 = x0, highY0 = y0;
  if (halveWidth) {
    lowX1 = highX0 = x0 + w * 0.5;
  } else {
    lowY1 = highY0 = y0 + h * 0.5;
  }
  if (lowFirst) {
    SubdivideCell(x0, y0, lowX1, lowY1);
    SubdivideCell(highX0, highY0, x1, y1);
  } else {
    SubdivideCell(highX0, highY0, x1, y1);
    SubdivideCell(x0, y0, lowX1, lowY1);
  }
  return 0;
}

void AddBuilding(double x0, double y0, double x1, double y1) {
  SceneStore& scene = Scene();
  if (scene.generatedCount >= scene.buildingCount) return;
  Building& b = scene.buildings[static_cast<std::size_t>(scene.generatedCount++)];
  b.visible = 0;
  b.viewOctant = 0;
  b.distanceSq = 0.0;
  b.centreX = (x0 + x1) * 0.5;
  b.centreY = (y0 + y1) * 0.5;
  b.height = (crt::rand() % 5 + 2) * kStoreyHeight;
  b.width = (x1 - x0) * kBuildingFill;
  b.depth = (y1 - y0) * kBuildingFill;
}
