#pragma once
// Division with IEEE results (infinity for x / 0, NaN for 0 / 0) that never
// divides by zero itself: in C++ that division is undefined, whatever the
// hardware would do. Degenerate pictures and cameras rely on those results.

#include <cmath>
#include <limits>

inline double IeeeQuotient(double numerator, double denominator) {
  if (denominator != 0.0) return numerator / denominator;
  if (numerator == 0.0 || std::isnan(numerator)) return std::numeric_limits<double>::quiet_NaN();
  const bool negative = std::signbit(numerator) != std::signbit(denominator);
  return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
}
