#include "scene/city_generator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

class CityGeneratorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScene();
    crt::ResetRandom();
  }
  void TearDown() override {
    ResetScene();
    crt::ResetRandom();
  }
  // Generates with the given seed and limit; returns the draws consumed.
  static std::uint64_t Generate(std::uint32_t seed, int limit) {
    crt::srand(seed);
    const auto before = crt::DrawCount();
    GenerateCity(limit);
    return crt::DrawCount() - before;
  }
};

TEST_F(CityGeneratorTest, FirstCityIsFixed) {
  GenerateCity();
  const SceneStore& s = Scene();
  EXPECT_EQ(s.buildingCount, 65);
  EXPECT_EQ(s.generatedCount, 65);
  EXPECT_EQ(crt::DrawCount(), 637u);

  const Building& a = s.buildings[0];
  EXPECT_EQ(a.centreX, 250.0);
  EXPECT_EQ(a.centreY, -250.0);
  EXPECT_EQ(a.height, 800.0);
  EXPECT_EQ(a.width, 350.0);
  EXPECT_EQ(a.depth, 350.0);

  const Building& b = s.buildings[1];
  EXPECT_EQ(b.centreX, 875.0);
  EXPECT_EQ(b.centreY, -750.0);
  EXPECT_EQ(b.height, 600.0);
  EXPECT_EQ(b.width, 175.0);
  EXPECT_EQ(b.depth, 350.0);
}

TEST_F(CityGeneratorTest, SeedsGiveTheirKnownCounts) {
  Generate(2, kMaxBuildings);
  EXPECT_EQ(Scene().buildingCount, 49);
  Generate(12345, kMaxBuildings);
  EXPECT_EQ(Scene().buildingCount, 55);
}

TEST_F(CityGeneratorTest, LimitSkipsHeightDrawsButVisitsEveryCell) {
  EXPECT_EQ(Generate(1, 10), 582u);
  EXPECT_EQ(Scene().buildingCount, 10);
  // The first ten buildings are those of the unlimited city.
  Building firstTen[10];
  for (int i = 0; i < 10; ++i) firstTen[i] = Scene().buildings[i];
  Generate(1, kMaxBuildings);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Scene().buildings[i].centreX, firstTen[i].centreX) << i;
    EXPECT_EQ(Scene().buildings[i].height, firstTen[i].height) << i;
  }

  // With no room at all the whole recursion still runs with its draws; every
  // skipped height draw shifts the rest of the sequence, so the count is not
  // simply 637 - 65.
  EXPECT_EQ(Generate(1, 0), 582u);
  EXPECT_EQ(Scene().buildingCount, 0);
}

TEST_F(CityGeneratorTest, RegenerationAfterASmallCityFillsTheTableAgain) {
  Generate(1, 0);
  ASSERT_EQ(Scene().buildingCount, 0);
  Generate(2, kMaxBuildings);
  EXPECT_EQ(Scene().buildingCount, 49);
  Generate(1, 10);
  GenerateCity();  // default limit is the table's capacity
  EXPECT_GT(Scene().buildingCount, 10);
}

TEST_F(CityGeneratorTest, LimitIsClampedToTheTable) {
  Generate(1, 1000);
  EXPECT_EQ(Scene().buildingCount, 65);
  Generate(1, -5);
  EXPECT_EQ(Scene().buildingCount, 0);
}

TEST_F(CityGeneratorTest, GenerationTouchesOnlyTheCityAndClearsPerTickFields) {
  SceneStore& s = Scene();
  for (auto& b : s.buildings) {
    b.visible = 1;
    b.viewOctant = 7;
    b.distanceSq = 99.0;
  }
  s.camera.x = 12.0;
  s.visibleCount = 3;
  s.pointCount = 36;
  s.collisionCount = 1;
  GenerateCity();
  for (int i = 0; i < s.buildingCount; ++i) {
    EXPECT_EQ(s.buildings[i].visible, 0);
    EXPECT_EQ(s.buildings[i].viewOctant, 0);
    EXPECT_EQ(s.buildings[i].distanceSq, 0.0);
  }
  EXPECT_EQ(s.buildings[s.buildingCount].distanceSq, 99.0);  // stale slot left alone
  EXPECT_EQ(s.camera.x, 12.0);
  EXPECT_EQ(s.visibleCount, 3);
  EXPECT_EQ(s.pointCount, 36);
  EXPECT_EQ(s.collisionCount, 1);
}

// Properties every city must have, over many seeds.
TEST_F(CityGeneratorTest, BuildingsStayInsideOneBlockWithKnownSizes) {
  const double sides[] = {21.875, 43.75, 87.5, 175, 350, 700};
  auto isSide = [&](double v) {
    for (double s : sides)
      if (v == s) return true;
    return false;
  };
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    Generate(seed * 7919u, kMaxBuildings);
    const SceneStore& s = Scene();
    ASSERT_LE(s.buildingCount, kMaxBuildings);
    for (int i = 0; i < s.buildingCount; ++i) {
      const Building& b = s.buildings[i];
      ASSERT_TRUE(isSide(b.width) && isSide(b.depth)) << "seed " << seed << " slot " << i;
      const double h = b.height;
      ASSERT_TRUE(h == 400 || h == 600 || h == 800 || h == 1000 || h == 1200);
      const double x0 = b.centreX - b.width / 2, x1 = b.centreX + b.width / 2;
      const double y0 = b.centreY - b.depth / 2, y1 = b.centreY + b.depth / 2;
      ASSERT_GT(x0, -2000.0);
      ASSERT_LT(y1, 2000.0);
      ASSERT_EQ(std::floor(x0 / kBlockPitch), std::floor(x1 / kBlockPitch));
      ASSERT_EQ(std::floor(y0 / kBlockPitch), std::floor(y1 / kBlockPitch));
    }
  }
}

TEST_F(CityGeneratorTest, CellEdgeCases) {
  SceneStore& s = Scene();
  s.generatedCount = 0;
  s.buildingCount = kMaxBuildings;
  EXPECT_EQ(SubdivideCell(0, 0, -1, 10), -1);
  EXPECT_EQ(SubdivideCell(0, 0, 10, -1), -1);
  EXPECT_EQ(crt::DrawCount(), 0u);

  // A side under 20 is dropped without a draw; exactly 20 is processed.
  EXPECT_EQ(SubdivideCell(0, 0, 19.99, 500), 0);
  EXPECT_EQ(crt::DrawCount(), 0u);
  SubdivideCell(0, 0, 20, 20);
  EXPECT_GT(crt::DrawCount(), 0u);
}

}  // namespace
