// Road bands: which grid lines pass the two-edge test, where they land after
// truncation of the finished coordinate, and what they paint.
#include <gtest/gtest.h>

#include <vector>

#include "render/road_grid.h"
#include "tests/platform/drawing_test_support.h"

namespace {

constexpr Rect kRoadPicture{0, 0, 800, 600};
constexpr COLORREF kGround = RGB(0, 64, 0);

Camera CameraAt(double x, double y, double altitude) { return Camera{x, y, altitude, 1.0}; }

std::vector<Rect> Bands(const Rect& client, const Camera& camera) {
  const RoadBands bands = RoadBandsOf(client, camera);
  return {bands.rects.begin(), bands.rects.begin() + bands.count};
}

TEST(RoadBands, ThreeColumnsThenThreeRowsOverTheCityCentre) {
  EXPECT_EQ(Bands(kRoadPicture, CameraAt(0, 0, 1000)),
            (std::vector<Rect>{{94, 0, 106, 600}, {394, 0, 406, 600}, {694, 0, 706, 600},
                               {0, 594, 800, 606}, {0, 294, 800, 306}, {0, -6, 800, 6}}));
}

TEST(RoadBands, AnEdgeExactlyOnTheWidenedBoundaryIsSkipped) {
  // k = 1 has its upper edge at 1100 = extentY; k = 0 and k = -1 stay.
  const std::vector<Rect> bands = Bands(kRoadPicture, CameraAt(0, -80, 1000));
  ASSERT_EQ(bands.size(), 5u);
  EXPECT_EQ(bands[3], (Rect{0, 570, 800, 582}));  // k = -1: edges at -940 and -900
  EXPECT_EQ(bands[4], (Rect{0, 270, 800, 282}));  // k = 0: edges at 60 and 100
}

TEST(RoadBands, ABandHalfInsideIsSkippedEvenWhenPartlyInThePicture) {
  // extentY 330; the k = 1 band has edges at 295 and 335 and would cover rows -35 to 4.
  for (const Rect& r : Bands({0, 0, 800, 600}, CameraAt(0, 685, 300))) EXPECT_NE(r.left, 0);
}

TEST(RoadBands, APictureUnderTwoPixelsHighGetsOnlyEmptyBands) {
  for (const Rect& client : {Rect{0, 0, 800, 1}, Rect{0, 0, 1, 1}, Rect{0, 0, 0, 0}}) {
    const std::vector<Rect> bands = Bands(client, CameraAt(0, 0, 1000));
    EXPECT_FALSE(bands.empty());
    for (const Rect& r : bands) EXPECT_TRUE(r.Width() <= 0 || r.Height() <= 0);
  }
  // A NaN x extent fails no skip test: all eleven constant-x bands are there.
  const RoadBands bands = RoadBandsOf({0, 0, 1, 1}, CameraAt(0, 0, 1000));
  ASSERT_EQ(bands.count, 2 * kGridRadius + 1 + 3);
  for (int i = 0; i <= 2 * kGridRadius; ++i) EXPECT_EQ(bands.rects[i], (Rect{0, 0, 0, 1}));
}

TEST(DrawRoadGrid, FillsExactlyTheRoadPixelsAndLeavesTheRoadColourAsBackground) {
  MemorySurface s(800, 600);
  s.dc.FillSolidRect(kRoadPicture, kGround);
  EXPECT_EQ(DrawRoadGrid(s.dc, kRoadPicture, CameraAt(0, 0, 1000)), 0);
  EXPECT_EQ(s.dc.GetBkColor(), kRoadColor);
  auto image = s.Snapshot();
  for (int x : {94, 105, 394, 405, 694, 705}) EXPECT_EQ(image->Pixel(x, 150), kRoadColor) << x;
  for (int x : {93, 106, 393, 406, 693, 706}) EXPECT_EQ(image->Pixel(x, 150), kGround) << x;
  for (int y : {0, 5, 294, 305, 594, 599}) EXPECT_EQ(image->Pixel(50, y), kRoadColor) << y;
  for (int y : {6, 293, 306, 593}) EXPECT_EQ(image->Pixel(50, y), kGround) << y;
}

TEST(DrawRoadGrid, WithEveryBandSkippedTheBackgroundStaysTheGround) {
  MemorySurface s(800, 600);
  s.dc.FillSolidRect(kRoadPicture, kGround);
  DrawRoadGrid(s.dc, kRoadPicture, CameraAt(500, 500, 300));
  EXPECT_EQ(s.dc.GetBkColor(), kGround);
  EXPECT_EQ(ColoursIn(*s.Snapshot()), std::set<COLORREF>{kGround});
}

}  // namespace
