#pragma once
// Platform-internal: how the polygon filler and the line walker find their
// pixels, for the code that writes them in order (raster_polygon.cpp) and for
// the code that writes only what nothing nearer covers (recorded_shape.cpp),
// so that both give exactly the same pixels.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "base/geometry.h"

// More corners than this are left to the caller's general path.
inline constexpr int kMaxRasterCorners = 8;

namespace raster_walk {

// Differences of 32-bit coordinates take 33 bits and their products 66, so
// the set-up of each edge and line is done in 128 bits; the per-pixel and
// per-row steps then fit in 64.
using Wide = __int128;

inline Wide FloorDiv(Wide a, Wide b) {  // b > 0
  Wide q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

inline Wide CeilDiv(Wide a, Wide b) { return -FloorDiv(-a, b); }  // b > 0

// One non-horizontal edge walked down the rows it crosses. On row y its
// crossing is at x0 + (y + 0.5 - y0) * dx / dy; the first pixel whose centre
// is at or right of it is x = ceil(crossing - 0.5), kept as x * den - rem
// with 0 <= rem < den so that each row is one add and one compare.
struct Edge {
  int firstRow = 0;  // rows [firstRow, endRow), already inside the buffer
  int endRow = 0;
  std::int64_t x = 0;
  std::int64_t rem = 0;
  std::int64_t den = 0;    // 2 * dy
  std::int64_t stepX = 0;  // 2 * dx = stepX * den + stepRem
  std::int64_t stepRem = 0;

  void NextRow() {
    x += stepX;
    rem -= stepRem;
    if (rem < 0) {
      rem += den;
      ++x;
    }
  }
};

// False when the edge is horizontal or crosses no row from top to bottom,
// bottom excluded.
inline bool MakeEdge(Point a, Point b, int top, int bottom, Edge& edge) {
  if (a.y == b.y) return false;
  if (a.y > b.y) std::swap(a, b);
  // A centre y + 0.5 lies in [a.y, b.y) exactly for rows a.y .. b.y - 1.
  const std::int64_t first = std::max<std::int64_t>(a.y, top);
  const std::int64_t end = std::min<std::int64_t>(b.y, bottom);
  if (first >= end) return false;
  const std::int64_t dx = std::int64_t(b.x) - a.x;
  const std::int64_t dy = std::int64_t(b.y) - a.y;
  edge.firstRow = int(first);
  edge.endRow = int(end);
  edge.den = 2 * dy;
  const Wide t = Wide(2 * (first - a.y) + 1) * dx - dy;
  const Wide c = CeilDiv(t, edge.den);
  edge.x = std::int64_t(a.x + c);
  edge.rem = std::int64_t(c * edge.den - t);
  edge.stepX = std::int64_t(FloorDiv(2 * Wide(dx), edge.den));
  edge.stepRem = 2 * dx - edge.stepX * edge.den;
  return true;
}

// Calls span(y, from, to) for the pixels of each row from top to bottom
// (excluded) whose centres lie inside the polygon; from and to may lie
// outside the buffer's columns.
template <class SpanFn>
void WalkFill(int top, int bottom, const Point* points, int count, SpanFn&& span) {
  Edge edges[kMaxRasterCorners];
  int edgeCount = 0;
  // Rows where an edge starts or ends split the polygon into bands; inside a
  // band the same edges cross every row, so no row asks which edges apply.
  int bounds[2 * kMaxRasterCorners];
  int boundCount = 0;
  for (int i = 0; i < count; ++i) {
    Edge& e = edges[edgeCount];
    if (!MakeEdge(points[i], points[(i + 1) % count], top, bottom, e)) continue;
    bounds[boundCount++] = e.firstRow;
    bounds[boundCount++] = e.endRow;
    ++edgeCount;
  }
  std::sort(bounds, bounds + boundCount);
  boundCount = int(std::unique(bounds, bounds + boundCount) - bounds);
  for (int b = 0; b + 1 < boundCount; ++b) {
    Edge* active[kMaxRasterCorners];
    int n = 0;
    for (int i = 0; i < edgeCount; ++i) {
      if (edges[i].firstRow <= bounds[b] && bounds[b] < edges[i].endRow) active[n++] = &edges[i];
    }
    // Each crossing flips inside and outside; pairs of sorted crossings bound
    // the spans. A closed polygon crosses every row an even number of times,
    // since a centre row never passes through a corner.
    if (n == 2) {  // the usual band, stepped on copies the compiler keeps in registers
      Edge first = *active[0];
      Edge second = *active[1];
      for (int y = bounds[b]; y < bounds[b + 1]; ++y) {
        span(y, std::min(first.x, second.x), std::max(first.x, second.x));
        first.NextRow();
        second.NextRow();
      }
      *active[0] = first;
      *active[1] = second;
      continue;
    }
    for (int y = bounds[b]; y < bounds[b + 1]; ++y) {
      std::int64_t crossings[kMaxRasterCorners];
      for (int i = 0; i < n; ++i) {
        crossings[i] = active[i]->x;
        active[i]->NextRow();
      }
      for (int i = 1; i < n; ++i) {  // at most a handful: insertion sort
        const std::int64_t x = crossings[i];
        int j = i;
        for (; j > 0 && crossings[j - 1] > x; --j) crossings[j] = crossings[j - 1];
        crossings[j] = x;
      }
      for (int i = 0; i + 1 < n; i += 2) span(y, crossings[i], crossings[i + 1]);
    }
  }
}

// The steps of a 1-pixel line that fall inside columns left .. right - 1 and
// rows top .. bottom - 1 of a buffer. The line walks the longer axis one pixel at a time; step i (0 .. n) is offset on
// the shorter axis by round(i * m / n), halves rounded away from a.
struct LineSteps {
  bool alongX = false;
  std::int64_t major = 0;  // of the first step inside
  std::int64_t minor = 0;
  int majorStep = 1;
  int minorStep = 1;
  std::int64_t count = 0;  // steps inside, one after another
  // The offset is z / 2n with z = 2im + n, kept as offset and remainder: the
  // minor coordinate moves one step whenever rem + 2m reaches twoN.
  std::int64_t rem = 0;
  std::int64_t twoM = 0;
  std::int64_t twoN = 0;
};

inline bool PlanLine(int left, int right, int top, int bottom, Point a, Point b, LineSteps& line) {
  if (right <= left || bottom <= top) return false;
  const std::int64_t dx = std::int64_t(b.x) - a.x;
  const std::int64_t dy = std::int64_t(b.y) - a.y;
  const bool alongX = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t n = alongX ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t m = alongX ? std::llabs(dy) : std::llabs(dx);
  const std::int64_t majorStart = alongX ? a.x : a.y;
  const std::int64_t minorStart = alongX ? a.y : a.x;
  const int majorStep = (alongX ? dx : dy) < 0 ? -1 : 1;
  const int minorStep = (alongX ? dy : dx) < 0 ? -1 : 1;
  const std::int64_t majorLow = alongX ? left : top;
  const std::int64_t majorHigh = alongX ? right - 1 : bottom - 1;
  const std::int64_t minorLow = alongX ? top : left;
  const std::int64_t minorHigh = alongX ? bottom - 1 : right - 1;

  // Steps whose major coordinate lies inside the buffer.
  Wide first = std::max<Wide>(majorStep > 0 ? majorLow - majorStart : majorStart - majorHigh, 0);
  Wide last = std::min<Wide>(majorStep > 0 ? majorHigh - majorStart : majorStart - majorLow, n);
  // Offsets (never negative, growing with i) that keep the minor one inside.
  const std::int64_t lowOffset = minorStep > 0 ? minorLow - minorStart : minorStart - minorHigh;
  const std::int64_t highOffset = minorStep > 0 ? minorHigh - minorStart : minorStart - minorLow;
  if (n == 0 || m == 0) {
    if (lowOffset > 0 || highOffset < 0) return false;  // the offset stays 0
  } else {
    // offset(i) = floor((2im + n) / 2n) >= lo  <=>  i >= ceil((2n lo - n) / 2m), and
    // offset(i) <= hi  <=>  i < (2n (hi + 1) - n) / 2m.
    const Wide twoN = 2 * Wide(n);
    const Wide twoM = 2 * Wide(m);
    first = std::max(first, CeilDiv(twoN * lowOffset - n, twoM));
    last = std::min(last, CeilDiv(twoN * (Wide(highOffset) + 1) - n, twoM) - 1);
  }
  if (first > last) return false;  // from here on both lie in 0 .. n

  line.alongX = alongX;
  line.majorStep = majorStep;
  line.minorStep = minorStep;
  line.twoN = 2 * std::max<std::int64_t>(n, 1);
  line.twoM = 2 * m;
  const Wide z = 2 * first * m + n;
  line.rem = std::int64_t(z % line.twoN);
  line.major = majorStart + majorStep * std::int64_t(first);
  line.minor = minorStart + minorStep * std::int64_t(z / line.twoN);
  line.count = std::int64_t(last - first) + 1;
  return true;
}

// Calls run(y, from, to) for the pixels of the line from a to b inside
// columns left .. right - 1 and rows top .. bottom - 1: one run a row, from < to.
template <class RunFn>
void WalkLineRuns(int left, int right, int top, int bottom, Point a, Point b, RunFn&& run) {
  LineSteps line;
  if (!PlanLine(left, right, top, bottom, a, b, line)) return;
  std::int64_t major = line.major;
  std::int64_t minor = line.minor;
  std::int64_t rem = line.rem;
  if (!line.alongX) {  // one pixel on each row
    for (std::int64_t i = 0; i < line.count; ++i) {
      run(int(major), int(minor), int(minor) + 1);
      major += line.majorStep;
      rem += line.twoM;
      if (rem >= line.twoN) {
        rem -= line.twoN;
        minor += line.minorStep;
      }
    }
    return;
  }
  // Along x: the steps on one row make one run, and how many they are comes
  // from one division rather than a step at a time: the row ends with the
  // step whose remainder reaches twoN.
  for (std::int64_t remaining = line.count; remaining > 0;) {
    const std::int64_t steps =
        line.twoM == 0 ? remaining : std::min(remaining, (line.twoN - rem + line.twoM - 1) / line.twoM);
    const std::int64_t last = major + (steps - 1) * line.majorStep;
    run(int(minor), int(std::min(major, last)), int(std::max(major, last)) + 1);
    rem += steps * line.twoM;
    if (rem >= line.twoN) rem -= line.twoN;
    minor += line.minorStep;
    major = last + line.majorStep;
    remaining -= steps;
  }
}

}  // namespace raster_walk
