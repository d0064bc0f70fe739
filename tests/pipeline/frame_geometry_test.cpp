#include "pipeline/frame_geometry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

// Counts every allocation in this test binary, to prove the frame path makes none.
// GCC cannot see that these new and delete belong together.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::atomic<long> allocations{0};
}
void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

class FrameGeometryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScene();
    crt::ResetRandom();
    GenerateCity();
  }
  void TearDown() override {
    ResetScene();
    crt::ResetRandom();
  }
};

TEST_F(FrameGeometryTest, PlacesTheStoreCameraThenCullsAndProjects) {
  ComputeFrameGeometry(0, Rect{0, 0, 800, 600});
  const SceneStore& s = Scene();
  EXPECT_EQ(s.camera.x, 1000.0);
  EXPECT_EQ(s.camera.y, 1000.0);
  EXPECT_EQ(s.camera.altitude, 1700.0);
  EXPECT_EQ(s.camera.zoom, 1.0);
  EXPECT_GT(s.visibleCount, 0);
  EXPECT_EQ(s.pointCount, 12 * s.visibleCount);
}

TEST_F(FrameGeometryTest, AllocatesNothingOverAFlight) {
  const long before = allocations.load();
  for (std::uint32_t t = 0; t < 480000; t += 41) ComputeFrameGeometry(t, Rect{0, 0, 1024, 768});
  EXPECT_EQ(allocations.load(), before);
}

TEST_F(FrameGeometryTest, InvariantsHoldOverAFlightAndForOddPictures) {
  const Rect rects[] = {{0, 0, 800, 600}, {0, 0, 1, 1}, {0, 0, 0, 0}, {0, 0, 16384, 1}, {0, 0, 3, 16384}};
  for (const Rect& r : rects) {
    for (std::uint32_t t = 0; t < 480000; t += 997) {
      ComputeFrameGeometry(t, r);
      const SceneStore& s = Scene();
      ASSERT_LE(s.visibleCount, s.buildingCount);
      ASSERT_EQ(s.pointCount, 12 * s.visibleCount);
      ASSERT_LE(s.collisionCount, s.visibleCount);
      for (int i = 1; i < s.visibleCount; ++i) {
        ASSERT_LE(s.buildings[s.visibleOrder[i - 1]].distanceSq, s.buildings[s.visibleOrder[i]].distanceSq);
      }
    }
  }
}

}  // namespace
