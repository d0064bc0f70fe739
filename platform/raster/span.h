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

inline Span Moved(const Span& s, std::int64_t dx, std::int64_t dy) {
  return {s.left + dx, s.top + dy, s.right + dx, s.bottom + dy};
}

// Where a block copy of width x height pixels from (xSrc, ySrc) to (x, y)
// lands, in the destination's coordinates: clipped to the pixels the source
// has, then to those the destination has, so that pixel (xSrc, ySrc) still
// lands on (x, y). The pixels it reads are the result moved by -dx, -dy.
struct BlockCopy {
  std::int64_t dx, dy;
  Span to;
};
inline BlockCopy ClipBlockCopy(int x, int y, int width, int height, int xSrc, int ySrc, const Span& sourcePixels,
                               const Span& targetPixels) {
  const std::int64_t dx = std::int64_t(x) - xSrc;
  const std::int64_t dy = std::int64_t(y) - ySrc;
  const Span read = Intersect({xSrc, ySrc, std::int64_t(xSrc) + width, std::int64_t(ySrc) + height}, sourcePixels);
  return {dx, dy, Intersect(Moved(read, dx, dy), targetPixels)};
}
