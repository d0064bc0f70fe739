#pragma once
// Conversions of picture coordinates to 32-bit pixels. Truncation toward zero
// as a plain cast does for finite in-range values; a plain cast of NaN, of an
// infinity or of anything beyond the int32 range is undefined behaviour, so
// those saturate to the nearest end of the range and NaN becomes 0. Degenerate
// cameras and pictures thus give far-away points, never a trap.

#include <cmath>
#include <cstdint>
#include <limits>

inline std::int32_t SaturateToInt32(std::int64_t v) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(v < lo ? lo : (v > hi ? hi : v));
}

inline std::int32_t TruncateToInt32(double v) {
  constexpr double lo = std::numeric_limits<std::int32_t>::min();  // -2^31, exact
  constexpr double hi = std::numeric_limits<std::int32_t>::max();  // 2^31 - 1, exact
  if (std::isnan(v)) return 0;
  if (v <= lo) return std::numeric_limits<std::int32_t>::min();
  if (v >= hi) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(v);  // in range: truncates toward zero
}
