#include "pipeline/cull_and_sort.h"

#include <algorithm>
#include <cmath>

#include "pipeline/visible_extents.h"

std::int32_t ViewOctant(double dx, double dy) {
  std::int32_t code = 0;
  if (dx >= 0) code += 1;
  if (dy >= 0) code += 2;
  if (std::abs(dx) > std::abs(dy)) code += 4;
  return code;
}

namespace {

void Classify(const Camera& camera, const VisibleExtents& extents, Building& b) {
  const double dx = b.centreX - camera.x;
  const double dy = b.centreY - camera.y;
  // An infinite or NaN x extent (a picture under two pixels high) compares
  // false here, so only the y test selects.
  if (std::abs(dx) > extents.x || std::abs(dy) > extents.y) {
    b.visible = 0;
    return;
  }
  b.distanceSq = dx * dx + dy * dy;
  b.viewOctant = ViewOctant(dx, dy);
  b.visible = 1;
}

// Stable insertion: the new entry goes after every entry that is not farther.
void InsertByDistance(SceneStore& scene, std::int32_t index) {
  const double d = scene.buildings[index].distanceSq;
  std::int32_t j = 0;
  while (j < scene.visibleCount && !(scene.buildings[scene.visibleOrder[j]].distanceSq > d)) ++j;
  for (std::int32_t k = scene.visibleCount; k > j; --k) scene.visibleOrder[k] = scene.visibleOrder[k - 1];
  scene.visibleOrder[j] = index;
  ++scene.visibleCount;
}

}  // namespace

std::int32_t CullAndSort(const Camera& camera, const Rect& clientRect) {
  SceneStore& scene = Scene();
  const VisibleExtents extents = VisibleExtentsOf(camera, clientRect);
  const std::int32_t count = std::clamp(scene.buildingCount, 0, kMaxBuildings);  // never past the table
  for (std::int32_t i = 0; i < count; ++i) Classify(camera, extents, scene.buildings[i]);
  scene.visibleCount = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    if (scene.buildings[i].visible != 0) InsertByDistance(scene, i);
  }
  return scene.visibleCount;
}
