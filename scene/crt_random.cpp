#include "scene/crt_random.h"

namespace crt {
namespace {

constexpr std::uint32_t kInitialState = 1;
constexpr std::uint32_t kMultiplier = 214013;
constexpr std::uint32_t kIncrement = 2531011;

std::uint32_t state = kInitialState;
std::uint64_t draws = 0;

}  // namespace

std::int32_t rand() {
  state = state * kMultiplier + kIncrement;  // unsigned: wraps modulo 2^32
  ++draws;
  return static_cast<std::int32_t>((state >> 16) & kRandMax);
}

void srand(std::uint32_t seed) { state = seed; }

std::uint64_t DrawCount() { return draws; }

void ResetRandom() {
  state = kInitialState;
  draws = 0;
}

}  // namespace crt
