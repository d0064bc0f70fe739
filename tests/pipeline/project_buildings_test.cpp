#include "pipeline/project_buildings.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "pipeline/cull_and_sort.h"
#include "scene/scene_store.h"

namespace {

constexpr Rect k400x300{0, 0, 400, 300};

class ProjectBuildingsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetScene(); }
  void TearDown() override { ResetScene(); }

  static void AddBox(double x, double y, double width, double depth, double height) {
    SceneStore& s = Scene();
    if (s.buildingCount == kMaxBuildings) s.buildingCount = 0;  // the store starts "full"
    s.buildings[s.buildingCount++] = Building{0, 0, 0.0, x, y, height, width, depth};
  }
  // Culls then projects, as one frame step does.
  static std::int32_t Frame(const Camera& camera, const Rect& rect = k400x300) {
    CullAndSort(camera, rect);
    return ProjectBuildings(camera, rect);
  }
  static std::vector<Point> Points(int from, int count) {
    const auto& p = Scene().polygonPoints;
    return {p.begin() + from, p.begin() + from + count};
  }
  static std::vector<std::int32_t> Shades(int count) {
    const auto& s = Scene().polygonShade;
    return {s.begin(), s.begin() + count};
  }
};

TEST_F(ProjectBuildingsTest, BuildingBesideTheCamera) {
  AddBox(500, 0, 100, 100, 200);
  EXPECT_EQ(Frame(Camera{0, 0, 1000, 1.0}), 12);
  const SceneStore& s = Scene();
  EXPECT_EQ(s.buildings[0].viewOctant, 7);
  EXPECT_EQ(s.collisionCount, 0);
  EXPECT_EQ(s.pointCount, 12);
  const std::vector<Point> expected = {
      {267, 157}, {282, 157}, {303, 159}, {284, 159},  // low-y wall
      {267, 157}, {284, 159}, {284, 141}, {267, 143},  // low-x wall
      {284, 159}, {303, 159}, {303, 141}, {284, 141},  // roof at its own height
  };
  EXPECT_EQ(Points(0, 12), expected);
  EXPECT_EQ(Shades(12), (std::vector<std::int32_t>{0, 0, 0, 0, 3, 3, 3, 3, 4, 4, 4, 4}));
}

TEST_F(ProjectBuildingsTest, CameraInsideABuildingClampsTheRoof) {
  AddBox(0, 0, 200, 100, 400);
  Frame(Camera{0, 0, 300, 1.0});
  const SceneStore& s = Scene();
  EXPECT_EQ(s.buildings[0].viewOctant, 3);
  EXPECT_EQ(s.collisionCount, 1);
  const std::vector<Point> expected = {
      {150, 175}, {-100, 300}, {-100, 0}, {150, 125},   // low-x wall
      {150, 175}, {250, 175}, {500, 300}, {-100, 300},  // low-y wall
      {-100, 300}, {500, 300}, {500, 0}, {-100, 0},     // roof at 250, covering the picture
  };
  EXPECT_EQ(Points(0, 12), expected);
  EXPECT_EQ(Shades(12), (std::vector<std::int32_t>{3, 3, 3, 3, 0, 0, 0, 0, 4, 4, 4, 4}));
}

TEST_F(ProjectBuildingsTest, CollisionBoundsAreInclusive) {
  struct Case {
    Camera camera;
    int collisions;
  };
  // Box x -100..100, y -50..50, height 1000; roof clamps never change the count.
  const Case cases[] = {
      {{100, 0, 1000, 1.0}, 1},     // on the wall, at roof height
      {{0, -50, 1000, 1.0}, 1},
      {{0, 0, 1000.5, 1.0}, 0},     // just above the roof
      {{100.5, 0, 500, 1.0}, 0},    // just outside the wall
      {{0, 0, 1030, 1.0}, 0},
  };
  for (const auto& c : cases) {
    ResetScene();
    AddBox(0, 0, 200, 100, 1000);
    Frame(c.camera);
    EXPECT_EQ(Scene().collisionCount, c.collisions) << c.camera.x << "," << c.camera.y << "," << c.camera.altitude;
  }
}

TEST_F(ProjectBuildingsTest, RoofHeightRule) {
  // A roof projected at height r lands where x0 maps with dz = r - altitude;
  // the roof's first corner (5) is the octant-3 roof's first point.
  auto roofCornerX = [](double altitude, double height) {
    ResetScene();
    AddBox(0, 0, 200, 100, height);
    Frame(Camera{0, 0, altitude, 1.0});
    return Scene().polygonPoints[8].x;
  };
  // dz = -50 in each clamped case: x0 = -100 gives 200 - trunc(2 * 150) = -100.
  EXPECT_EQ(roofCornerX(1000, 1000), -100);  // roof 950
  EXPECT_EQ(roofCornerX(1030, 1000), -100);  // roof 980, no collision
  EXPECT_EQ(roofCornerX(1100, 1200), -100);  // roof 1050
  // Unclamped: roof 400 under a camera at 1000, dz = -600: 200 - trunc(25) = 175.
  EXPECT_EQ(roofCornerX(1000, 400), 175);
}

TEST_F(ProjectBuildingsTest, ScaledOffsetsAreTruncatedTowardZeroBeforeTheCentreIsAdded) {
  // 400 x 270: halfW 200, halfH 135. Ground corners 500 from the camera, 1000
  // below it: the scaled offset is exactly +-67.5 on both axes.
  AddBox(0, 0, 1000, 1000, 400);
  Frame(Camera{0, 0, 1000, 1.0}, Rect{0, 0, 400, 270});
  ASSERT_EQ(Scene().buildings[0].viewOctant, 3);
  // Low-x wall first: corner 1 (x0, y0) then, in the low-y wall, corner 2 (x1, y0).
  EXPECT_EQ(Scene().polygonPoints[0], (Point{133, 202}));  // 200 - 67, 67 + 135
  EXPECT_EQ(Scene().polygonPoints[3], (Point{133, 68}));   // corner 4 (x0, y1): -67 + 135
  EXPECT_EQ(Scene().polygonPoints[5], (Point{267, 202}));  // 200 - (-67)
}

TEST_F(ProjectBuildingsTest, FarthestBuildingFirst) {
  AddBox(0, 0, 100, 100, 400);     // nearest
  AddBox(600, 0, 100, 100, 400);   // farthest
  AddBox(-300, 0, 100, 100, 400);
  EXPECT_EQ(Frame(Camera{0, 0, 1000, 1.0}), 36);
  // Roof centres (mean of the four roof points) go from x = 600 to -300 to 0.
  auto roofCentreX = [](int building) {
    int sum = 0;
    for (int i = 8; i < 12; ++i) sum += Scene().polygonPoints[building * 12 + i].x;
    return sum / 4;
  };
  EXPECT_GT(roofCentreX(0), 300);
  EXPECT_LT(roofCentreX(1), 200);
  EXPECT_EQ(roofCentreX(2), 200);
}

TEST_F(ProjectBuildingsTest, NothingVisibleLeavesTheArraysAlone) {
  AddBox(100000, 0, 100, 100, 400);
  Scene().polygonPoints[0] = Point{7, 8};
  Scene().polygonShade[0] = 2;
  Scene().collisionCount = 4;
  EXPECT_EQ(Frame(Camera{0, 0, 1000, 1.0}), 0);
  EXPECT_EQ(Scene().pointCount, 0);
  EXPECT_EQ(Scene().collisionCount, 0);
  EXPECT_EQ(Scene().polygonPoints[0], (Point{7, 8}));
  EXPECT_EQ(Scene().polygonShade[0], 2);
}

TEST_F(ProjectBuildingsTest, DegeneratePictures) {
  AddBox(500, 0, 100, 100, 200);
  // No size at all: every point lands on (0, 0), counts as usual.
  EXPECT_EQ(Frame(Camera{0, 0, 1000, 1.0}, Rect{0, 0, 0, 0}), 12);
  for (const Point& p : Points(0, 12)) EXPECT_EQ(p, (Point{0, 0}));
  // Under two pixels high: everything collapses onto (halfW, 0).
  EXPECT_EQ(Frame(Camera{0, 0, 1000, 1.0}, Rect{0, 0, 800, 1}), 12);
  for (const Point& p : Points(0, 12)) EXPECT_EQ(p, (Point{400, 0}));
}

TEST_F(ProjectBuildingsTest, CameraOnTheGroundGivesFarPointsNotACrash) {
  // Not reachable from the flight (altitude >= 300), but must stay well defined:
  // dz = 0 for the ground corners gives infinities and a NaN at the camera's x.
  AddBox(0, 0, 200, 100, 400);
  Scene().buildings[0].visible = 1;
  Scene().visibleCount = 1;
  Scene().visibleOrder[0] = 0;
  Scene().buildings[0].viewOctant = 3;
  ProjectBuildings(Camera{100, 0, 0, 1.0}, k400x300);
  const auto& p = Scene().polygonPoints;
  EXPECT_EQ(p[0].x, std::numeric_limits<std::int32_t>::max());  // corner 1: -200 / 0 saturates
  EXPECT_EQ(p[0].y, std::numeric_limits<std::int32_t>::min() + 150);
  EXPECT_EQ(p[5].x, 200);   // corner 2 lies at the camera's x: 0 / 0 is NaN, taken as 0
  EXPECT_EQ(p[8].x, -400);  // the roof, at -50, stays finite
}

}  // namespace
