#pragma once
// Random frame cases from a fixed seed, biased toward the edges: empty and
// one-pixel pictures, the largest picture, the clock's wrap and its sign bit.
// Shared by the property tests of the pipeline and the road grid.

#include <array>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/geometry.h"

namespace frame_cases {

inline constexpr std::int32_t kMaxSide = 16384;

struct FrameCase {
  bool seeded = true;  // false: the program's first, unseeded city
  std::uint32_t seed = 0;
  std::uint32_t tick = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  Rect ClientRect() const { return {0, 0, width, height}; }
};

inline std::string Describe(const FrameCase& c) {
  std::ostringstream out;
  out << (c.seeded ? "seed " + std::to_string(c.seed) : std::string("unseeded")) << ", tick " << c.tick << ", "
      << c.width << " x " << c.height;
  return out.str();
}

inline std::int32_t RandomSide(std::mt19937& rng) {
  constexpr std::array<std::int32_t, 9> kEdgeSides = {0, 1, 2, 3, 4, kMaxSide - 1, kMaxSide, 800, 600};
  switch (rng() % 8) {
    case 0:
    case 1:
    case 2:
      return kEdgeSides[rng() % kEdgeSides.size()];
    case 3:
      return std::int32_t(rng() % 16);
    default:
      return std::int32_t(rng() % (kMaxSide + 1));
  }
}

inline std::uint32_t RandomTick(std::mt19937& rng) {
  // 16000 ms is one turn of the base angle; odd multiples of it bring the
  // camera down to its lowest, through the tallest buildings.
  constexpr std::array<std::uint32_t, 6> kEdgeTicks = {0u, 1u, 16000u, 48000u, 0x80000000u, 0xFFFFFFFFu};
  switch (rng() % 8) {
    case 0:
      return kEdgeTicks[rng() % kEdgeTicks.size()];
    case 1:
      return 16000u * (2 * (rng() % 1000) + 1) + rng() % 200 - 100;
    default:
      return rng();
  }
}

inline std::vector<FrameCase> MakeFrameCases(int count, std::uint32_t caseSeed) {
  std::mt19937 rng(caseSeed);
  std::vector<FrameCase> cases;
  cases.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    FrameCase c;
    c.seeded = rng() % 20 != 0;
    c.seed = c.seeded ? rng() : 1;
    c.tick = RandomTick(rng);
    c.width = RandomSide(rng);
    c.height = RandomSide(rng);
    cases.push_back(c);
  }
  return cases;
}

}  // namespace frame_cases
