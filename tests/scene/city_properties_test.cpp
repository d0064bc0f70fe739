// What must hold for every city, whatever the seed and the limit: checked over
// many generations drawn from a fixed seed, so a failure names its case and
// reproduces.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

constexpr int kCases = 10000;
constexpr std::uint32_t kCaseSeed = 20240607;
constexpr double kCityHalfSize = 2000.0;

constexpr std::array<double, 6> kFootprintSides = {21.875, 43.75, 87.5, 175.0, 350.0, 700.0};
constexpr std::array<double, 5> kHeights = {400.0, 600.0, 800.0, 1000.0, 1200.0};
constexpr double kLargestFootprint = 700.0 * 350.0;  // a 1000 x 1000 cell always splits

struct CityCase {
  std::uint32_t seed = 0;
  int limit = kMaxBuildings;
};

std::string Describe(const CityCase& c) {
  std::ostringstream out;
  out << "seed " << c.seed << ", limit " << c.limit;
  return out.str();
}

// Seeds spread over the whole range with the ends and small values mixed in;
// limits mostly the full table, sometimes tiny or just under a city's size.
std::vector<CityCase> MakeCases() {
  std::mt19937 rng(kCaseSeed);
  constexpr std::array<std::uint32_t, 6> kEdgeSeeds = {0u, 1u, 2u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
  std::vector<CityCase> cases;
  cases.reserve(kCases);
  for (int i = 0; i < kCases; ++i) {
    CityCase c;
    const auto pick = rng() % 10;
    c.seed = pick == 0 ? kEdgeSeeds[rng() % kEdgeSeeds.size()] : (pick == 1 ? rng() % 100 : rng());
    const auto limitPick = rng() % 10;
    c.limit = limitPick < 6 ? kMaxBuildings : (limitPick < 8 ? int(rng() % 3) : int(rng() % (kMaxBuildings + 1)));
    cases.push_back(c);
  }
  return cases;
}

std::uint64_t Generate(const CityCase& c) {
  crt::srand(c.seed);
  const auto before = crt::DrawCount();
  GenerateCity(c.limit);
  return crt::DrawCount() - before;
}

bool OneOf(double v, const auto& allowed) {
  return std::find(allowed.begin(), allowed.end(), v) != allowed.end();
}

// True when [lo, hi] lies between two consecutive road centre lines without
// touching either.
bool StrictlyInsideOneBlock(double lo, double hi) {
  const double block = std::floor(lo / kBlockPitch);
  return lo > block * kBlockPitch && hi < (block + 1) * kBlockPitch;
}

// First fault of one building, or "".
std::string BuildingFault(const Building& b) {
  std::ostringstream out;
  const double x0 = b.centreX - b.width * 0.5, x1 = b.centreX + b.width * 0.5;
  const double y0 = b.centreY - b.depth * 0.5, y1 = b.centreY + b.depth * 0.5;
  if (!OneOf(b.width, kFootprintSides) || !OneOf(b.depth, kFootprintSides)) {
    out << "footprint " << b.width << " x " << b.depth << " is not from the allowed sides";
  } else if (b.width * b.depth > kLargestFootprint) {
    out << "footprint " << b.width << " x " << b.depth << " is larger than 700 x 350";
  } else if (!OneOf(b.height, kHeights)) {
    out << "height " << b.height << " is not one of 400..1200 in steps of 200";
  } else if (x0 < -kCityHalfSize || x1 > kCityHalfSize || y0 < -kCityHalfSize || y1 > kCityHalfSize) {
    out << "box reaches outside the city square";
  } else if (!StrictlyInsideOneBlock(x0, x1) || !StrictlyInsideOneBlock(y0, y1)) {
    out << "box [" << x0 << ", " << x1 << "] x [" << y0 << ", " << y1 << "] is not strictly inside one block";
  } else if (b.visible != 0 || b.viewOctant != 0 || b.distanceSq != 0.0) {
    out << "per-tick fields not cleared";
  } else {
    // The box is the middle 70 % of a cell cut from the city square by
    // halving, so that cell lies on the grid of its own size.
    const double cellW = b.width / 0.7, cellH = b.depth / 0.7;
    const double cellX0 = b.centreX - cellW * 0.5, cellY0 = b.centreY - cellH * 0.5;
    const double colsFromEdge = (cellX0 + kCityHalfSize) / cellW, rowsFromEdge = (cellY0 + kCityHalfSize) / cellH;
    if (std::abs(colsFromEdge - std::round(colsFromEdge)) > 1e-9 ||
        std::abs(rowsFromEdge - std::round(rowsFromEdge)) > 1e-9) {
      out << "centre (" << b.centreX << ", " << b.centreY << ") is not centred in a halved cell";
    }
  }
  return out.str();
}

bool Overlap(const Building& a, const Building& b) {
  return std::abs(a.centreX - b.centreX) * 2 < a.width + b.width &&
         std::abs(a.centreY - b.centreY) * 2 < a.depth + b.depth;
}

// First fault of the whole city, or "".
std::string CityFault(const CityCase& c) {
  const SceneStore& s = Scene();
  std::ostringstream out;
  if (s.buildingCount < 0 || s.buildingCount > c.limit || s.buildingCount > kMaxBuildings) {
    out << "buildingCount " << s.buildingCount << " outside 0.." << c.limit;
    return out.str();
  }
  if (s.generatedCount != s.buildingCount) {
    out << "generatedCount " << s.generatedCount << " differs from buildingCount " << s.buildingCount;
    return out.str();
  }
  for (int i = 0; i < s.buildingCount; ++i) {
    if (const std::string fault = BuildingFault(s.buildings[i]); !fault.empty()) {
      return "building " + std::to_string(i) + ": " + fault;
    }
    for (int j = 0; j < i; ++j) {
      if (Overlap(s.buildings[i], s.buildings[j])) {
        return "buildings " + std::to_string(j) + " and " + std::to_string(i) + " overlap";
      }
    }
  }
  return "";
}

class CityProperties : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }
  static void Reset() {
    ResetScene();
    crt::ResetRandom();
  }
};

TEST_F(CityProperties, EveryBuildingIsAnAllowedBoxStrictlyInsideOneBlock) {
  for (const CityCase& c : MakeCases()) {
    Generate(c);
    ASSERT_EQ(CityFault(c), "") << Describe(c);
  }
}

// The first city of the run, which also covers the generator's initial state.
TEST_F(CityProperties, UnseededFirstCityHoldsToTheSameRules) {
  GenerateCity();
  EXPECT_EQ(CityFault({1, kMaxBuildings}), "");
}

// A seed fixes the city and its draws; a limit only cuts the city short (the
// skipped height draws shift what the rest of the recursion draws, so the
// draw count is not simply smaller by the buildings left out).
TEST_F(CityProperties, LimitKeepsAPrefixOfTheSameCity) {
  std::mt19937 rng(kCaseSeed);
  for (int i = 0; i < kCases / 10; ++i) {
    const std::uint32_t seed = rng();
    const CityCase full{seed, kMaxBuildings};
    const std::uint64_t fullDraws = Generate(full);
    const int n = Scene().buildingCount;
    const std::array<Building, kMaxBuildings> city = Scene().buildings;

    ASSERT_EQ(Generate(full), fullDraws) << Describe(full);
    ASSERT_EQ(Scene().buildingCount, n) << Describe(full);

    const CityCase cut{seed, n == 0 ? 0 : int(rng() % std::uint32_t(n))};
    Generate(cut);
    ASSERT_EQ(Scene().buildingCount, cut.limit) << Describe(cut);
    for (int k = 0; k < cut.limit; ++k) {
      const Building& b = Scene().buildings[k];
      ASSERT_TRUE(b.centreX == city[k].centreX && b.centreY == city[k].centreY && b.height == city[k].height &&
                  b.width == city[k].width && b.depth == city[k].depth)
          << Describe(cut) << ", building " << k;
    }
  }
}

}  // namespace
