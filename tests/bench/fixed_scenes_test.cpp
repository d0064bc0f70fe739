// The benchmarks' fixed inputs are what their names promise.
#include <gtest/gtest.h>

#include "bench/fixed_scenes.h"
#include "pipeline/frame_geometry.h"
#include "scene/scene_store.h"

namespace {

TEST(FixedScenes, TheFullTableIsEntirelyInViewAtEveryBenchmarkedSize) {
  for (const Rect client : {Rect{0, 0, 800, 600}, Rect{0, 0, 1920, 1080}, Rect{0, 0, 3840, 2160}}) {
    LoadFullCityInView();
    ComputeFrameGeometry(0, client);
    EXPECT_EQ(Scene().visibleCount, kMaxBuildings) << client.right;
    EXPECT_EQ(Scene().pointCount, kMaxPolygonPoints) << client.right;
  }
}

TEST(FixedScenes, TheBusiestTickIsLeftComputedAndNoStepOfTheFlightBeatsIt) {
  const Rect client{0, 0, 1920, 1080};
  LoadFirstCity();
  ASSERT_EQ(Scene().buildingCount, 65);
  const std::uint32_t busiest = BusiestTick(client);
  const std::int32_t most = Scene().pointCount;
  EXPECT_GT(most, 0);
  EXPECT_EQ(busiest % kShortestStepMs, 0u);
  for (std::uint32_t tick = 0; tick < kFlightPeriodMs; tick += 97 * kShortestStepMs) {
    ComputeFrameGeometry(tick, client);
    EXPECT_LE(Scene().pointCount, most) << tick;
  }
}

}  // namespace
