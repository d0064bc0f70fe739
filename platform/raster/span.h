#pragma once
// A rectangle with edges in 64 bits, so that clipping 32-bit input never
// overflows: for every surface that clips a caller's rectangles to its own.

#include <algorithm>
#include <cstdint>

#include "base/geometry.h"

struct Span {
  std::int64_t left, top, right, bottom;
  bool Empty() const { return right <= left || bottom <= top; }
};

inline Span Intersect(const Span& a, const Span& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

inline Span ToSpan(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
