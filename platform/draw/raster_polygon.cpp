#include "platform/draw/raster_polygon.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <utility>

namespace {

static_assert(sizeof(wchar_t) == sizeof(std::uint32_t), "spans are filled as wide characters");

// Differences of 32-bit coordinates take 33 bits and their products 66, so
// the set-up of each edge and line is done in 128 bits; the per-pixel and
// per-row steps then fit in 64.
using Wide = __int128;

Wide FloorDiv(Wide a, Wide b) {  // b > 0
  Wide q = a / b;
  if (a % b != 0 && a < 0) --q;
  return q;
}

Wide CeilDiv(Wide a, Wide b) { return -FloorDiv(-a, b); }  // b > 0

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

// False when the edge is horizontal or crosses no row of the buffer.
bool MakeEdge(Point a, Point b, int height, Edge& edge) {
  if (a.y == b.y) return false;
  if (a.y > b.y) std::swap(a, b);
  // A centre y + 0.5 lies in [a.y, b.y) exactly for rows a.y .. b.y - 1.
  const std::int64_t first = std::max<std::int64_t>(a.y, 0);
  const std::int64_t end = std::min<std::int64_t>(b.y, height);
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

void FillSpan(const PixelRows& rows, int y, std::int64_t from, std::int64_t to, std::uint32_t color) {
  from = std::max<std::int64_t>(from, 0);
  to = std::min<std::int64_t>(to, rows.width);
  // The C library's wide-character fill is its vectorised 32-bit fill; a
  // plain loop stores one pixel at a time.
  if (from < to) {
    std::wmemset(reinterpret_cast<wchar_t*>(rows.pixels + y * rows.stride + from),
                 static_cast<wchar_t>(color), std::size_t(to - from));
  }
}

bool Usable(const PixelRows& rows) { return rows.pixels && rows.width > 0 && rows.height > 0; }

}  // namespace

void FillPolygon(const PixelRows& rows, const Point* points, int count, std::uint32_t color) {
  if (!Usable(rows) || !points || count < 3 || count > kMaxRasterCorners) return;
  Edge edges[kMaxRasterCorners];
  int edgeCount = 0;
  // Rows where an edge starts or ends split the polygon into bands; inside a
  // band the same edges cross every row, so no row asks which edges apply.
  int bounds[2 * kMaxRasterCorners];
  int boundCount = 0;
  for (int i = 0; i < count; ++i) {
    Edge& e = edges[edgeCount];
    if (!MakeEdge(points[i], points[(i + 1) % count], rows.height, e)) continue;
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
        FillSpan(rows, y, std::min(first.x, second.x), std::max(first.x, second.x), color);
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
      for (int i = 0; i + 1 < n; i += 2) FillSpan(rows, y, crossings[i], crossings[i + 1], color);
    }
  }
}

void DrawLine(const PixelRows& rows, Point a, Point b, std::uint32_t color) {
  if (!Usable(rows)) return;
  // Walk the longer axis one pixel at a time; step i (0 .. n) is offset on the
  // shorter axis by round(i * m / n), halves rounded away from a.
  const std::int64_t dx = std::int64_t(b.x) - a.x;
  const std::int64_t dy = std::int64_t(b.y) - a.y;
  const bool alongX = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t n = alongX ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t m = alongX ? std::llabs(dy) : std::llabs(dx);
  const std::int64_t majorStart = alongX ? a.x : a.y;
  const std::int64_t minorStart = alongX ? a.y : a.x;
  const int majorStep = (alongX ? dx : dy) < 0 ? -1 : 1;
  const int minorStep = (alongX ? dy : dx) < 0 ? -1 : 1;
  const std::int64_t majorSize = alongX ? rows.width : rows.height;
  const std::int64_t minorSize = alongX ? rows.height : rows.width;

  // Steps whose major coordinate lies inside the buffer.
  Wide first = std::max<Wide>(majorStep > 0 ? -majorStart : majorStart - (majorSize - 1), 0);
  Wide last = std::min<Wide>(majorStep > 0 ? majorSize - 1 - majorStart : majorStart, n);
  // Offsets (never negative, growing with i) that keep the minor one inside.
  const std::int64_t lowOffset = minorStep > 0 ? -minorStart : minorStart - (minorSize - 1);
  const std::int64_t highOffset = minorStep > 0 ? minorSize - 1 - minorStart : minorStart;
  if (n == 0 || m == 0) {
    if (lowOffset > 0 || highOffset < 0) return;  // the offset stays 0
  } else {
    // offset(i) = floor((2im + n) / 2n) >= lo  <=>  i >= ceil((2n lo - n) / 2m), and
    // offset(i) <= hi  <=>  i < (2n (hi + 1) - n) / 2m.
    const Wide twoN = 2 * Wide(n);
    const Wide twoM = 2 * Wide(m);
    first = std::max(first, CeilDiv(twoN * lowOffset - n, twoM));
    last = std::min(last, CeilDiv(twoN * (Wide(highOffset) + 1) - n, twoM) - 1);
  }
  if (first > last) return;  // from here on both lie in 0 .. n

  // offset = z / 2n with z = 2im + n, kept as offset and remainder; the pixel
  // is kept as its index in the buffer, moved one step along the longer axis
  // each time and one across whenever the remainder carries.
  const std::int64_t twoN = 2 * std::max<std::int64_t>(n, 1);
  const Wide z = 2 * first * m + n;
  const std::int64_t offset = std::int64_t(z / twoN);
  std::int64_t rem = std::int64_t(z % twoN);
  const std::int64_t major = majorStart + majorStep * std::int64_t(first);
  const std::int64_t minor = minorStart + minorStep * offset;
  const std::ptrdiff_t majorMove = alongX ? majorStep : majorStep * rows.stride;
  const std::ptrdiff_t minorMove = alongX ? minorStep * rows.stride : minorStep;
  std::ptrdiff_t at = alongX ? minor * rows.stride + major : major * rows.stride + minor;
  for (std::int64_t i = std::int64_t(first); i <= std::int64_t(last); ++i) {
    rows.pixels[at] = color;
    at += majorMove;
    rem += 2 * m;
    if (rem >= twoN) {
      rem -= twoN;
      at += minorMove;
    }
  }
}

void OutlinePolygon(const PixelRows& rows, const Point* points, int count, std::uint32_t color) {
  if (!points || count < 1) return;
  for (int i = 0; i < count; ++i) DrawLine(rows, points[i], points[(i + 1) % count], color);
}
