// What must hold for every frame step, whatever the city, the clock and the
// picture size (0 x 0 to 16384 x 16384): checked over many cases drawn from a
// fixed seed, so a failure names its case and reproduces.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "pipeline/cull_and_sort.h"
#include "pipeline/frame_geometry.h"
#include "pipeline/project_buildings.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"
#include "tests/pipeline/frame_cases.h"

namespace {

using frame_cases::Describe;
using frame_cases::FrameCase;

constexpr int kCases = 10000;
constexpr std::uint32_t kCaseSeed = 7031;

constexpr int kPointsPerBuilding = 12;
constexpr int kPointsPerQuad = 4;
constexpr int kRoofShade = 4;
constexpr int kLowYWall = 0, kHighXWall = 1, kHighYWall = 2, kLowXWall = 3;

// The box corners (1..8: ground ring, then roof ring) around each face, by shade.
constexpr int kFaceCorners[5][4] = {{1, 2, 6, 5}, {2, 3, 7, 6}, {3, 4, 8, 7}, {1, 5, 8, 4}, {5, 6, 7, 8}};

// Where the flight path may take the camera, with a hair of slack.
constexpr double kMaxCameraX = 1878.72, kMaxCameraY = 1952.91;
constexpr double kMinAltitude = 300.0 - 1e-9, kMaxAltitude = 1700.0 + 1e-9;

// Far beyond any real corner (8192 pixels of half height times 4000 / 50),
// near enough to catch a saturated or wrapped coordinate.
constexpr std::int32_t kFarthestPixel = 10'000'000;

void RunFrame(const FrameCase& c) {
  ResetScene();
  crt::ResetRandom();
  if (c.seeded) crt::srand(c.seed);
  GenerateCity();
  ComputeFrameGeometry(c.tick, c.ClientRect());
}

struct Extents {
  double x;  // infinite or NaN for a picture under two pixels high: never rejects
  double y;
};

Extents WidenedExtents(const FrameCase& c, const Camera& cam) {
  const std::int32_t halfW = c.width / 2, halfH = c.height / 2;
  const double aspect = halfH != 0 ? double(halfW) / double(halfH) : (halfW != 0 ? INFINITY : NAN);
  return {aspect / cam.zoom * cam.altitude * 1.1, cam.altitude / cam.zoom * 1.1};
}

std::string CameraFault(const Camera& cam) {
  std::ostringstream out;
  if (std::abs(cam.x) > kMaxCameraX || std::abs(cam.y) > kMaxCameraY || !(cam.altitude >= kMinAltitude) ||
      !(cam.altitude <= kMaxAltitude) || cam.zoom != 1.0) {
    out << "camera (" << cam.x << ", " << cam.y << ", " << cam.altitude << ", zoom " << cam.zoom
        << ") is off its flight path";
  }
  return out.str();
}

// The listed buildings are exactly those whose centres lie in the widened
// extents, nearest first with ties by slot, each with its distance and octant.
std::string CullFault(const FrameCase& c) {
  const SceneStore& s = Scene();
  const Camera& cam = s.camera;
  std::ostringstream out;
  if (s.visibleCount < 0 || s.visibleCount > s.buildingCount || s.visibleCount > kMaxBuildings) {
    out << "visibleCount " << s.visibleCount << " outside 0.." << s.buildingCount;
    return out.str();
  }
  const Extents ext = WidenedExtents(c, cam);
  int flagged = 0;
  for (int i = 0; i < s.buildingCount; ++i) {
    const Building& b = s.buildings[i];
    const double dx = b.centreX - cam.x, dy = b.centreY - cam.y;
    const bool inView = !(std::abs(dx) > ext.x) && !(std::abs(dy) > ext.y);
    if (inView != (b.visible == 1)) {
      out << "building " << i << " at (" << b.centreX << ", " << b.centreY << ") has visible flag " << b.visible
          << " but is " << (inView ? "inside" : "outside") << " the extents " << ext.x << " x " << ext.y;
      return out.str();
    }
    if (!inView) continue;
    ++flagged;
    const int octant = (dx >= 0 ? 1 : 0) + (dy >= 0 ? 2 : 0) + (std::abs(dx) > std::abs(dy) ? 4 : 0);
    if (b.distanceSq != dx * dx + dy * dy || b.viewOctant != octant) {
      out << "building " << i << " has distanceSq " << b.distanceSq << " and octant " << b.viewOctant;
      return out.str();
    }
  }
  if (flagged != s.visibleCount) {
    out << flagged << " buildings flagged visible but visibleCount is " << s.visibleCount;
    return out.str();
  }
  std::array<bool, kMaxBuildings> listed{};
  for (int j = 0; j < s.visibleCount; ++j) {
    const int i = s.visibleOrder[j];
    if (i < 0 || i >= s.buildingCount || s.buildings[i].visible != 1 || listed[i]) {
      out << "visibleOrder[" << j << "] = " << i << " is not a visible building listed once";
      return out.str();
    }
    listed[i] = true;
    if (j == 0) continue;
    const int prev = s.visibleOrder[j - 1];
    const double dPrev = s.buildings[prev].distanceSq, d = s.buildings[i].distanceSq;
    if (!(dPrev < d || (dPrev == d && prev < i))) {
      out << "visibleOrder[" << j - 1 << ".." << j << "] = " << prev << ", " << i << " at distances " << dPrev
          << ", " << d << " is out of order";
      return out.str();
    }
  }
  return "";
}

int ExpectedXWall(double dx) { return dx >= 0 ? kLowXWall : kHighXWall; }
int ExpectedYWall(double dy) { return dy >= 0 ? kLowYWall : kHighYWall; }

// The twelve points of one building: a uniformly shaded wall on the camera's
// side for each axis (the one across the larger offset second), then the
// roof; shared corners are the same point; each ring is an axis-aligned
// rectangle the right way round; the roof is no nearer the centre than the
// ground below it.
std::string BuildingQuadsFault(const FrameCase& c, const Building& b, int p) {
  const SceneStore& s = Scene();
  const Camera& cam = s.camera;
  std::ostringstream out;
  int shades[3];
  for (int q = 0; q < 3; ++q) {
    const int first = p + q * kPointsPerQuad;
    shades[q] = s.polygonShade[first];
    for (int i = 1; i < kPointsPerQuad; ++i) {
      if (s.polygonShade[first + i] != shades[q]) {
        out << "quadrilateral at point " << first << " has mixed shades";
        return out.str();
      }
    }
    if (shades[q] < 0 || shades[q] > kRoofShade) {
      out << "shade " << shades[q] << " at point " << first << " is not 0..4";
      return out.str();
    }
  }
  const double dx = b.centreX - cam.x, dy = b.centreY - cam.y;
  const bool yWallFirst = std::abs(dx) > std::abs(dy);
  const int wantFirst = yWallFirst ? ExpectedYWall(dy) : ExpectedXWall(dx);
  const int wantSecond = yWallFirst ? ExpectedXWall(dx) : ExpectedYWall(dy);
  if (shades[0] != wantFirst || shades[1] != wantSecond || shades[2] != kRoofShade) {
    out << "faces " << shades[0] << ", " << shades[1] << ", " << shades[2] << " where " << wantFirst << ", "
        << wantSecond << ", 4 belong (dx " << dx << ", dy " << dy << ")";
    return out.str();
  }

  std::array<std::optional<Point>, 9> corner{};  // by corner number
  for (int q = 0; q < 3; ++q) {
    for (int i = 0; i < kPointsPerQuad; ++i) {
      const Point pt = s.polygonPoints[p + q * kPointsPerQuad + i];
      if (std::abs(pt.x) > kFarthestPixel || std::abs(pt.y) > kFarthestPixel) {
        out << "point (" << pt.x << ", " << pt.y << ") is absurdly far";
        return out.str();
      }
      auto& known = corner[kFaceCorners[shades[q]][i]];
      if (known && *known != pt) {
        out << "corner " << kFaceCorners[shades[q]][i] << " appears as two different points";
        return out.str();
      }
      known = pt;
    }
  }
  // Rings: 1-2 and 4-3 run along x (same row), 1-4 and 2-3 along y (same column).
  for (const int base : {0, 4}) {
    const auto& c1 = corner[base + 1];
    const auto& c2 = corner[base + 2];
    const auto& c3 = corner[base + 3];
    const auto& c4 = corner[base + 4];
    auto sameRow = [](const auto& a, const auto& b2) { return !a || !b2 || a->y == b2->y; };
    auto sameCol = [](const auto& a, const auto& b2) { return !a || !b2 || a->x == b2->x; };
    auto rightOf = [](const auto& a, const auto& b2) { return !a || !b2 || a->x <= b2->x; };  // larger x goes right
    auto above = [](const auto& a, const auto& b2) { return !a || !b2 || a->y >= b2->y; };    // larger y goes up
    if (!sameRow(c1, c2) || !sameRow(c4, c3) || !sameCol(c1, c4) || !sameCol(c2, c3) || !rightOf(c1, c2) ||
        !rightOf(c4, c3) || !above(c1, c4) || !above(c2, c3)) {
      out << (base == 0 ? "ground" : "roof") << " ring is not an upright rectangle";
      return out.str();
    }
  }
  const std::int32_t halfW = c.width / 2, halfH = c.height / 2;
  for (int k = 1; k <= 4; ++k) {
    const auto& g = corner[k];
    const auto& r = corner[k + 4];
    if (!g || !r) continue;
    if (std::abs(std::int64_t{r->x} - halfW) < std::abs(std::int64_t{g->x} - halfW) ||
        std::abs(std::int64_t{r->y} - halfH) < std::abs(std::int64_t{g->y} - halfH)) {
      out << "roof corner " << k + 4 << " lies nearer the centre than the ground corner below it";
      return out.str();
    }
  }
  return "";
}

std::string ProjectionFault(const FrameCase& c) {
  const SceneStore& s = Scene();
  std::ostringstream out;
  if (s.pointCount != kPointsPerBuilding * s.visibleCount || s.pointCount > kMaxPolygonPoints) {
    out << "pointCount " << s.pointCount << " for " << s.visibleCount << " visible buildings";
    return out.str();
  }
  // Farthest building first: position j of visibleOrder owns the points from
  // 12 * (visibleCount - 1 - j).
  for (int j = 0; j < s.visibleCount; ++j) {
    const int p = kPointsPerBuilding * (s.visibleCount - 1 - j);
    if (const std::string fault = BuildingQuadsFault(c, s.buildings[s.visibleOrder[j]], p); !fault.empty()) {
      return "building " + std::to_string(s.visibleOrder[j]) + ": " + fault;
    }
  }
  if (c.width / 2 == 0 && c.height / 2 == 0) {
    for (int i = 0; i < s.pointCount; ++i) {
      if (s.polygonPoints[i] != Point{0, 0}) return "an empty picture must put every point at (0, 0)";
    }
  }
  return "";
}

// Exactly the listed buildings whose footprint and height hold the camera,
// every bound inclusive.
int ExpectedCollisions() {
  const SceneStore& s = Scene();
  const Camera& cam = s.camera;
  int n = 0;
  for (int j = 0; j < s.visibleCount; ++j) {
    const Building& b = s.buildings[s.visibleOrder[j]];
    if (b.centreX - b.width * 0.5 <= cam.x && cam.x <= b.centreX + b.width * 0.5 &&
        b.centreY - b.depth * 0.5 <= cam.y && cam.y <= b.centreY + b.depth * 0.5 && cam.altitude <= b.height) {
      ++n;
    }
  }
  return n;
}

TEST(FrameProperties, CameraStaysOnItsFlightPath) {
  for (const FrameCase& c : frame_cases::MakeFrameCases(kCases, kCaseSeed)) {
    RunFrame(c);
    ASSERT_EQ(CameraFault(Scene().camera), "") << Describe(c);
  }
}

TEST(FrameProperties, ListsExactlyTheBuildingsInViewNearestFirst) {
  int withSome = 0, withNone = 0;
  for (const FrameCase& c : frame_cases::MakeFrameCases(kCases, kCaseSeed)) {
    RunFrame(c);
    ASSERT_EQ(CullFault(c), "") << Describe(c);
    (Scene().visibleCount > 0 ? withSome : withNone)++;
  }
  // The cases must reach both sides of the test to prove anything.
  EXPECT_GT(withSome, kCases / 2);
  EXPECT_GT(withNone, 0);
}

TEST(FrameProperties, EveryBuildingIsTwoFacingWallsThenItsRoof) {
  int points = 0;
  for (const FrameCase& c : frame_cases::MakeFrameCases(kCases, kCaseSeed)) {
    RunFrame(c);
    ASSERT_EQ(ProjectionFault(c), "") << Describe(c);
    points += Scene().pointCount;
  }
  EXPECT_GT(points, kCases * kPointsPerBuilding);
}

TEST(FrameProperties, CollisionsAreTheListedBuildingsAroundTheCamera) {
  int framesWithCollisions = 0;
  for (const FrameCase& c : frame_cases::MakeFrameCases(kCases, kCaseSeed)) {
    RunFrame(c);
    const SceneStore& s = Scene();
    ASSERT_LE(s.collisionCount, s.visibleCount) << Describe(c);
    ASSERT_EQ(s.collisionCount, ExpectedCollisions()) << Describe(c);
    if (s.collisionCount > 0) ++framesWithCollisions;
  }
  EXPECT_GT(framesWithCollisions, 0);
}

// The flight path almost never lands exactly on a wall or at roof height, so
// these cameras are put there on purpose: on a corner, an edge or inside a
// random building, at its height, just above or just below it.
TEST(FrameProperties, CameraOnAWallOrRoofCollidesInclusively) {
  std::mt19937 rng(kCaseSeed);
  int collisions = 0, cases = 0;
  for (const FrameCase& c : frame_cases::MakeFrameCases(kCases / 10, kCaseSeed)) {
    RunFrame(c);
    SceneStore& s = Scene();
    if (s.buildingCount == 0) continue;
    const Building& b = s.buildings[rng() % std::uint32_t(s.buildingCount)];
    const double xs[] = {b.centreX - b.width * 0.5, b.centreX, b.centreX + b.width * 0.5};
    const double ys[] = {b.centreY - b.depth * 0.5, b.centreY, b.centreY + b.depth * 0.5};
    const double altitudes[] = {b.height, std::nextafter(b.height, 0.0), std::nextafter(b.height, 1e9)};
    Camera cam = s.camera;
    cam.x = xs[rng() % 3];
    cam.y = ys[rng() % 3];
    cam.altitude = altitudes[rng() % 3];
    CullAndSort(cam, c.ClientRect());
    ProjectBuildings(cam, c.ClientRect());
    s.camera = cam;  // what the checks read
    ASSERT_EQ(CullFault(c), "") << Describe(c);
    ASSERT_EQ(ProjectionFault(c), "") << Describe(c);
    ASSERT_EQ(s.collisionCount, ExpectedCollisions()) << Describe(c);
    ++cases;
    collisions += s.collisionCount;
  }
  EXPECT_GT(collisions, cases / 2);
}

}  // namespace
