#include "pipeline/place_camera.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct FlightCase {
  std::uint32_t tick;
  double x, y, altitude;
};

TEST(PlaceCamera, KnownPointsOfTheFlight) {
  const FlightCase cases[] = {
      {0, 1000.00, 1000.00, 1700.00},
      {4000, -500.00, 1951.06, 1494.98},
      // The rate constant sits just under pi / 8000, so x is -1866.0250 here, not
      // the -1866.0254 (-1866.03) an exact pi / 8000 would give.
      {8000, -1866.025, 809.02, 1000.00},
      {16000, 133.97, 309.01, 300.00},
      {2147483648u, -1711.72, -1649.21, 1246.67},  // taken as unsigned, not negative
  };
  for (const auto& c : cases) {
    Camera camera;
    PlaceCamera(c.tick, camera);
    EXPECT_NEAR(camera.x, c.x, 0.005) << c.tick;
    EXPECT_NEAR(camera.y, c.y, 0.005) << c.tick;
    EXPECT_NEAR(camera.altitude, c.altitude, 0.005) << c.tick;
    EXPECT_EQ(camera.zoom, 1.0);
  }
}

TEST(PlaceCamera, WrapOfTheTickCountJumpsBackToTheStart) {
  Camera last, first;
  PlaceCamera(0xFFFFFFFFu, last);
  PlaceCamera(0, first);
  EXPECT_EQ(first.x, 1000.0);
  EXPECT_EQ(first.y, 1000.0);
  EXPECT_EQ(first.altitude, 1700.0);
  EXPECT_GT(std::abs(last.x - first.x) + std::abs(last.y - first.y), 100.0);
}

TEST(PlaceCamera, WritesOnlyPositionAndStaysOverTheCity) {
  Camera camera;
  camera.zoom = 2.5;
  for (std::uint32_t t = 0; t < 500000; t += 37) {
    PlaceCamera(t, camera);
    ASSERT_LE(std::abs(camera.x), 1878.72);
    ASSERT_LE(std::abs(camera.y), 1952.91);
    ASSERT_GE(camera.altitude, 300.0);
    ASSERT_LE(camera.altitude, 1700.0);
  }
  EXPECT_EQ(camera.zoom, 2.5);
}

}  // namespace
