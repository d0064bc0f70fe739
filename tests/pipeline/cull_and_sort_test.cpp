#include "pipeline/cull_and_sort.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "scene/scene_store.h"

namespace {

constexpr Rect k800x600{0, 0, 800, 600};

class CullAndSortTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetScene(); }
  void TearDown() override { ResetScene(); }

  static void SetCentres(std::initializer_list<std::pair<double, double>> centres) {
    SceneStore& s = Scene();
    s.buildingCount = 0;
    for (auto [x, y] : centres) {
      Building& b = s.buildings[s.buildingCount++];
      b.centreX = x;
      b.centreY = y;
      b.width = b.depth = 100;
      b.height = 400;
    }
  }
  static std::vector<std::int32_t> Order() {
    const SceneStore& s = Scene();
    return {s.visibleOrder.begin(), s.visibleOrder.begin() + s.visibleCount};
  }
  static Camera At(double x, double y, double altitude) { return Camera{x, y, altitude, 1.0}; }
};

TEST_F(CullAndSortTest, WidenedRectangleOn800x600) {
  SetCentres({{1400, -1099}, {1466, 0}, {0, 1101}, {-1467, 0}, {0, -1100}});
  EXPECT_EQ(CullAndSort(At(0, 0, 1000), k800x600), 3);
  const SceneStore& s = Scene();
  EXPECT_EQ(s.buildings[0].visible, 1);
  EXPECT_EQ(s.buildings[0].viewOctant, 5);
  EXPECT_EQ(s.buildings[0].distanceSq, 3167801.0);
  EXPECT_EQ(s.buildings[1].visible, 1);
  EXPECT_EQ(s.buildings[1].viewOctant, 7);
  EXPECT_EQ(s.buildings[2].visible, 0);
  EXPECT_EQ(s.buildings[3].visible, 0);
  EXPECT_EQ(s.buildings[4].visible, 1);  // exactly on the boundary counts as inside
  EXPECT_EQ(Order(), (std::vector<std::int32_t>{4, 1, 0}));
}

TEST_F(CullAndSortTest, OctantCodes) {
  EXPECT_EQ(ViewOctant(0, 0), 3);    // under the camera: not |dx| > |dy|
  EXPECT_EQ(ViewOctant(-5, -5), 0);  // equal offsets add no 4
  EXPECT_EQ(ViewOctant(5, -5), 1);
  EXPECT_EQ(ViewOctant(-5, 5), 2);
  EXPECT_EQ(ViewOctant(-6, -5), 4);
  EXPECT_EQ(ViewOctant(6, -5), 5);
  EXPECT_EQ(ViewOctant(-6, 5), 6);
  EXPECT_EQ(ViewOctant(6, 5), 7);
}

TEST_F(CullAndSortTest, NearestFirstWithTiesByIndex) {
  SetCentres({{300, 0}, {0, 100}, {-100, 0}, {0, -300}, {0, 0}, {100, 0}});
  CullAndSort(At(0, 0, 1000), k800x600);
  EXPECT_EQ(Order(), (std::vector<std::int32_t>{4, 1, 2, 5, 0, 3}));
}

TEST_F(CullAndSortTest, HiddenBuildingsKeepTheirOldOctantAndDistance) {
  SetCentres({{500, 500}});
  CullAndSort(At(0, 0, 1000), k800x600);
  ASSERT_EQ(Scene().buildings[0].visible, 1);
  CullAndSort(At(-5000, 0, 1000), k800x600);
  const Building& b = Scene().buildings[0];
  EXPECT_EQ(b.visible, 0);
  EXPECT_EQ(b.distanceSq, 500000.0);
  EXPECT_EQ(b.viewOctant, 3);
  EXPECT_EQ(Scene().visibleCount, 0);
}

TEST_F(CullAndSortTest, EmptyCityListsNothing) {
  SetCentres({});
  Scene().visibleCount = 7;
  EXPECT_EQ(CullAndSort(At(0, 0, 1000), k800x600), 0);
  EXPECT_EQ(Scene().visibleCount, 0);
}

TEST_F(CullAndSortTest, PictureUnderTwoPixelsHighSelectsOnYAlone) {
  SetCentres({{1.0e6, 0}, {-1.0e6, 1100}, {0, 1101}});
  for (const Rect& r : {Rect{0, 0, 800, 1}, Rect{0, 0, 0, 0}, Rect{0, 0, 1, 1}}) {
    EXPECT_EQ(CullAndSort(At(0, 0, 1000), r), 2) << r.right << "x" << r.bottom;
    EXPECT_EQ(Order(), (std::vector<std::int32_t>{0, 1}));
  }
}

TEST_F(CullAndSortTest, OddSizesUseIntegerHalves) {
  // 801 x 601 has the halves of 800 x 600, so the same boundary holds.
  SetCentres({{1466, 0}, {1467, 0}});
  EXPECT_EQ(CullAndSort(At(0, 0, 1000), Rect{0, 0, 801, 601}), 1);
}

}  // namespace
