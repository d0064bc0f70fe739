// The store before any city exists, and ResetScene bringing it back to that.
#include "scene/scene_store.h"

#include <gtest/gtest.h>

namespace {

void ExpectInitial(const SceneStore& s) {
  // No city yet, but room for a full one.
  EXPECT_EQ(s.buildingCount, 100);
  EXPECT_EQ(s.generatedCount, 0);
  for (const Building& b : s.buildings) {
    EXPECT_EQ(b.visible, 0);
    EXPECT_EQ(b.viewOctant, 0);
    EXPECT_EQ(b.distanceSq, 0.0);
    EXPECT_EQ(b.centreX, 0.0);
    EXPECT_EQ(b.centreY, 0.0);
    EXPECT_EQ(b.height, 0.0);
    EXPECT_EQ(b.width, 0.0);
    EXPECT_EQ(b.depth, 0.0);
  }
  // High above the city centre until the first step moves it.
  EXPECT_EQ(s.camera.x, 0.0);
  EXPECT_EQ(s.camera.y, 0.0);
  EXPECT_EQ(s.camera.altitude, 3000.0);
  EXPECT_EQ(s.camera.zoom, 1.0);
  EXPECT_EQ(s.visibleCount, 0);
  EXPECT_EQ(s.pointCount, 0);
  EXPECT_EQ(s.collisionCount, 0);
  for (std::int32_t i : s.visibleOrder) EXPECT_EQ(i, 0);
  for (const Point& p : s.polygonPoints) EXPECT_EQ(p, (Point{0, 0}));
  for (std::int32_t shade : s.polygonShade) EXPECT_EQ(shade, 0);
  EXPECT_EQ(s.framesThisSecond, 0);
  EXPECT_EQ(s.shownFps, 0);
  EXPECT_EQ(s.activeView, nullptr);
}

TEST(SceneStore, CapacitiesAndConstants) {
  EXPECT_EQ(Scene().buildings.size(), 100u);
  EXPECT_EQ(Scene().visibleOrder.size(), 100u);
  EXPECT_EQ(Scene().polygonPoints.size(), 1200u);
  EXPECT_EQ(Scene().polygonShade.size(), 1200u);
  EXPECT_EQ(kRoadHalfWidth, 20.0);
  EXPECT_EQ(kBlockPitch, 1000.0);
  EXPECT_EQ(kGridRadius, 5);
  const COLORREF shades[] = {RGB(190, 190, 190), RGB(210, 210, 210), RGB(150, 150, 150),
                             RGB(120, 120, 120), RGB(230, 230, 230)};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(shadeColors[i], shades[i]) << i;
}

TEST(SceneStore, ResetPutsEveryMemberBackToItsStartingValue) {
  ResetScene();
  ExpectInitial(Scene());

  SceneStore& s = Scene();
  s.buildings[99] = Building{1, 7, 4.0, 5.0, 6.0, 1200.0, 700.0, 350.0};
  s.buildingCount = 3;
  s.generatedCount = 3;
  s.camera = Camera{1.0, 2.0, 300.0, 2.0};
  s.visibleOrder[5] = 9;
  s.visibleCount = 2;
  s.polygonPoints[1199] = Point{-4, 8};
  s.polygonShade[1199] = 4;
  s.pointCount = 24;
  s.collisionCount = 1;
  s.framesThisSecond = 12;
  s.shownFps = 25;
  ResetScene();
  ExpectInitial(Scene());
}

}  // namespace
