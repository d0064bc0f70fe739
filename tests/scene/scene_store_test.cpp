// The store's sizes, constants and starting values.
#include "scene/scene_store.h"

#include <gtest/gtest.h>

namespace {

TEST(SceneStore, CapacitiesConstantsAndStartingValues) {
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
  // No city yet but room for a full one, high above the centre until the first step.
  const SceneStore fresh;
  EXPECT_EQ(fresh.buildingCount, 100);
  EXPECT_EQ(fresh.generatedCount, 0);
  EXPECT_EQ(fresh.camera.altitude, 3000.0);
  EXPECT_EQ(fresh.camera.zoom, 1.0);
}

}  // namespace
