#include "pipeline/project_buildings.h"

#include <algorithm>
#include <array>

#include "pipeline/ieee_quotient.h"
#include "pipeline/picture_halves.h"
#include "pipeline/truncate_to_int32.h"

namespace {

constexpr int kCorners = 8;
constexpr int kPointsPerBuilding = 12;
constexpr int kPointsPerQuad = 4;

struct Projector {
  const Camera& camera;
  PictureHalves halves;

  // Pin-hole view straight down; dz is negative, so larger x goes right and
  // larger y goes up. The products keep the order quotient * zoom * halfH.
  Point operator()(double px, double py, double pz) const {
    const double dz = pz - camera.altitude;
    const double h = static_cast<double>(halves.halfH);
    const std::int32_t sx = TruncateToInt32(IeeeQuotient(px - camera.x, dz) * camera.zoom * h);
    const std::int32_t sy = TruncateToInt32(IeeeQuotient(py - camera.y, dz) * camera.zoom * h);
    return {SaturateToInt32(std::int64_t{halves.halfW} - sx), SaturateToInt32(std::int64_t{sy} + halves.halfH)};
  }
};

// Inclusive on every bound: touching the wall or the roof counts.
bool CameraInside(const Camera& c, const Building& b, double x0, double x1, double y0, double y1) {
  return x0 <= c.x && c.x <= x1 && y0 <= c.y && c.y <= y1 && c.altitude <= b.height;
}

// Corners 1..8 of the box (index 0..7): ground ring, then roof ring above it.
std::array<Point, kCorners> ProjectCorners(const Projector& project, double x0, double x1, double y0, double y1, double roof) {
  return {project(x0, y0, 0), project(x1, y0, 0), project(x1, y1, 0), project(x0, y1, 0),
          project(x0, y0, roof), project(x1, y0, roof), project(x1, y1, roof), project(x0, y1, roof)};
}

}  // namespace

std::int32_t ProjectBuildings(const Camera& camera, const Rect& clientRect) {
  SceneStore& scene = Scene();
  const Projector project{camera, PictureHalvesOf(clientRect)};
  scene.pointCount = 0;
  scene.collisionCount = 0;
  if (scene.visibleCount <= 0) return 0;
  const std::int32_t count = std::min(scene.visibleCount, kMaxBuildings);  // never past the tables
  scene.pointCount = kPointsPerBuilding * count;

  std::int32_t p = 0;
  for (std::int32_t j = count - 1; j >= 0; --j) {  // farthest first: nearer boxes paint over
    const Building& b = scene.buildings[scene.visibleOrder[j]];
    const double x0 = b.centreX - b.width * 0.5, x1 = b.centreX + b.width * 0.5;
    const double y0 = b.centreY - b.depth * 0.5, y1 = b.centreY + b.depth * 0.5;
    if (CameraInside(camera, b, x0, x1, y0, y1)) ++scene.collisionCount;

    // Keeps the roof off the lens when the camera flies low over or through it.
    const double clearRoof = camera.altitude - kRoofClearance;
    const double roof = clearRoof < b.height ? clearRoof : b.height;
    const auto corners = ProjectCorners(project, x0, x1, y0, y1, roof);

    const std::int32_t octant = b.viewOctant & 7;  // the same tick's CullAndSort keeps it in 0..7
    for (int i = 0; i < kPointsPerBuilding; ++i) {
      scene.polygonPoints[p + i] = corners[cornerTable[octant][i] - 1];
      scene.polygonShade[p + i] = faceShadeTable[octant][i / kPointsPerQuad];
    }
    p += kPointsPerBuilding;
  }
  return scene.pointCount;
}
