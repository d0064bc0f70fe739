#pragma once
// The generator's own random source: the classic C-runtime linear congruential
// generator, so that a seed gives the same city on every platform whatever the
// system's rand() happens to be.

#include <cstdint>

namespace crt {

inline constexpr std::int32_t kRandMax = 32767;

// Next draw, 0..kRandMax.
std::int32_t rand();

// Restarts the sequence from the given state.
void srand(std::uint32_t seed);

// Draws made since start (or the last ResetRandom); srand does not clear it.
std::uint64_t DrawCount();

// Back to the state at program start (state 1, no draws counted), for tests.
void ResetRandom();

}  // namespace crt
