#include "platform/draw/deferred_frame.h"

#include <algorithm>
#include <bit>
#include <cwchar>

#include "platform/draw/raster_walk.h"

namespace {

// A frame is a few hundred shapes; room for them is made once.
constexpr std::size_t kShapesReserved = 512;
// Rows resolved together: their covered bits (a few kilobytes) stay in the
// first-level cache while every shape over them is written.
constexpr int kBandRows = 64;
// Up to this size the picture and the window it is copied to both stay in
// the processor's last cache, where writing a pixel twice costs less than
// working out which shape owns it; such pictures are replayed in order.
constexpr std::int64_t kLargestReplayedPixels = std::int64_t(1) << 22;
constexpr int kWordBits = 64;

// Spans are a few pixels each and come by the ten thousand: a call for each
// would cost more than the span.
#define KT_INLINE __attribute__((always_inline))

void WriteRun(std::uint32_t* line, int from, int to, std::uint32_t color) {
  if (to - from == 1) {
    line[from] = color;
  } else {
    std::wmemset(reinterpret_cast<wchar_t*>(line + from), static_cast<wchar_t>(color),
                 std::size_t(to - from));
  }
}

// Bits from <= b < to of a word, 0 <= from < to <= 64.
std::uint64_t BitRange(int from, int to) {
  const std::uint64_t upTo = to == kWordBits ? ~std::uint64_t(0) : (std::uint64_t(1) << to) - 1;
  return upTo & (~std::uint64_t(0) << from);
}

// Pixels of one row not written yet, joined while they follow each other.
struct PendingRun {
  std::uint32_t* line;
  std::uint32_t color;
  bool write;
  int from = 0;
  int to = 0;

  void Add(int runFrom, int runTo) {
    if (runFrom == to) {
      to = runTo;
      return;
    }
    Flush();
    from = runFrom;
    to = runTo;
  }
  void Flush() {
    if (write && from < to) WriteRun(line, from, to, color);
    from = to = 0;
  }
};

// The rows being resolved and what of them is covered.
struct Band {
  const PixelRows& rows;
  std::uint64_t* covered;  // wordsPerRow words a row, bit x % 64 of word x / 64
  std::size_t wordsPerRow;
  int top;
  int bottom;
  std::int64_t open;  // pixels nothing covers yet
};

// Whether everything in columns left .. right - 1 of rows top .. bottom - 1
// of the band is covered already.
bool AllCovered(const Band& band, int left, int right, int top, int bottom) {
  const std::size_t firstWord = std::size_t(left / kWordBits);
  const std::size_t lastWord = std::size_t((right - 1) / kWordBits);
  const std::uint64_t firstBits = BitRange(left % kWordBits, kWordBits);
  const std::uint64_t lastBits = BitRange(0, (right - 1) % kWordBits + 1);
  for (int y = top; y < bottom; ++y) {
    const std::uint64_t* row = band.covered + std::size_t(y - band.top) * band.wordsPerRow;
    if (firstWord == lastWord) {
      if (~row[firstWord] & firstBits & lastBits) return false;
      continue;
    }
    if (~row[firstWord] & firstBits || ~row[lastWord] & lastBits) return false;
    for (std::size_t w = firstWord + 1; w < lastWord; ++w)
      if (~row[w]) return false;
  }
  return true;
}

// Writes the parts of [from, to) on row y that nothing covers yet, and
// marks all of it covered.
KT_INLINE inline void CoverSpan(Band& band, int y, int from, int to, std::uint32_t color, bool write) {
  const PixelRows& rows = band.rows;
  std::uint64_t* word =
      band.covered + std::size_t(y - band.top) * band.wordsPerRow + std::size_t(from / kWordBits);
  if (from / kWordBits == (to - 1) / kWordBits) {  // most spans: outline pixels, short fills
    const int base = from - from % kWordBits;
    const std::uint64_t bits = BitRange(from - base, to - base);
    std::uint64_t open = bits & ~*word;
    *word |= bits;
    std::uint32_t* line = rows.pixels + y * rows.stride;
    while (open) {
      const int first = std::countr_zero(open);
      const int length = std::countr_one(open >> first);
      if (write) WriteRun(line, base + first, base + first + length, color);
      band.open -= length;
      open &= ~BitRange(first, first + length);
    }
    return;
  }
  PendingRun run{rows.pixels + y * rows.stride, color, write};
  const auto take = [&](int base, std::uint64_t bits) KT_INLINE {
    std::uint64_t open = bits & ~*word;
    *word++ |= bits;
    if (open == bits) {
      const int first = std::countr_zero(bits);
      const int length = std::popcount(bits);
      run.Add(base + first, base + first + length);
      band.open -= length;
      return;
    }
    while (open) {
      const int first = std::countr_zero(open);
      const int length = std::countr_one(open >> first);
      run.Add(base + first, base + first + length);
      band.open -= length;
      open &= ~BitRange(first, first + length);
    }
  };
  // A partial word at each end, whole words between: a fill across the
  // picture mostly finds words covered whole, and skips them at one compare.
  int base = from - from % kWordBits;
  take(base, BitRange(from - base, kWordBits));
  const int lastBase = (to - 1) - (to - 1) % kWordBits;
  for (base += kWordBits; base < lastBase; base += kWordBits) {
    if (*word == ~std::uint64_t(0)) {
      ++word;
      continue;
    }
    take(base, ~std::uint64_t(0));
  }
  take(lastBase, BitRange(0, to - lastBase));
  run.Flush();
}

// Writes the shape's pixels in rows top .. bottom - 1 of the band that
// nothing nearer took.
void CoverShape(Band& band, const RecordedShape& shape, int top, int bottom) {
  const PixelRows& rows = band.rows;
  switch (shape.kind) {
    case RecordedShape::Kind::kFill:
    case RecordedShape::Kind::kReserve: {
      const bool write = shape.kind == RecordedShape::Kind::kFill;
      const int end = std::min(shape.area.bottom, bottom);
      for (int y = std::max(shape.area.top, top); y < end; ++y)
        CoverSpan(band, y, shape.area.left, shape.area.right, shape.fillColor, write);
      return;
    }
    case RecordedShape::Kind::kPolygon:
      // The outline is drawn over the fill, so it comes first here.
      // The walkers are the filler's and the line drawer's own.
      if (shape.outlined) {
        for (int i = 0; i < shape.count; ++i) {
          const Point a = shape.points[i];
          const Point b = shape.points[(i + 1) % shape.count];
          raster_walk::WalkLineRuns(rows.width, top, bottom, a, b, [&](int y, int from, int to) KT_INLINE {
            CoverSpan(band, y, from, to, shape.outlineColor, true);
          });
        }
      }
      if (shape.filled && shape.count >= 3) {
        raster_walk::WalkFill(top, bottom, shape.points, shape.count,
                              [&](int y, std::int64_t from, std::int64_t to) KT_INLINE {
                                from = std::max<std::int64_t>(from, 0);
                                to = std::min<std::int64_t>(to, rows.width);
                                if (from < to) CoverSpan(band, y, int(from), int(to), shape.fillColor, true);
                              });
      }
      return;
  }
}


}  // namespace

DeferredFrame::DeferredFrame() { shapes_.reserve(kShapesReserved); }

void DeferredFrame::Fill(const Rect& area, std::uint32_t color) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  RecordedShape& s = shapes_.emplace_back();
  s.kind = RecordedShape::Kind::kFill;
  s.fillColor = color;
  s.area = area;
  s.left = area.left;
  s.right = area.right;
  s.top = area.top;
  s.bottom = area.bottom;
}

void DeferredFrame::Polygon(const Point* points, int count, const std::uint32_t* fill,
                            const std::uint32_t* outline) {
  RecordedShape& s = shapes_.emplace_back();
  s.kind = RecordedShape::Kind::kPolygon;
  s.filled = fill != nullptr;
  s.outlined = outline != nullptr;
  s.fillColor = fill ? *fill : 0;
  s.outlineColor = outline ? *outline : 0;
  s.count = std::int8_t(count);
  std::copy(points, points + count, s.points);
  const auto [low, high] = std::minmax_element(points, points + count,
                                               [](const Point& a, const Point& b) { return a.y < b.y; });
  const auto [leftmost, rightmost] = std::minmax_element(
      points, points + count, [](const Point& a, const Point& b) { return a.x < b.x; });
  // The outline reaches the last row and column of the corners.
  s.left = leftmost->x;
  s.right = std::int64_t(rightmost->x) + 1;
  s.top = low->y;
  s.bottom = std::int64_t(high->y) + 1;
}

void DeferredFrame::Reserve(const Rect& area) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  RecordedShape& s = shapes_.emplace_back();
  s.kind = RecordedShape::Kind::kReserve;
  s.area = area;
  s.left = area.left;
  s.right = area.right;
  s.top = area.top;
  s.bottom = area.bottom;
}

void DeferredFrame::Resolve(const PixelRows& rows) {
  if (shapes_.empty()) return;
  if (rows.pixels && rows.width > 0 && std::int64_t(rows.width) * rows.height <= kLargestReplayedPixels) {
    Replay(rows);
  } else if (rows.pixels && rows.width > 0 && rows.height > 0) {
    const std::size_t wordsPerRow = (std::size_t(rows.width) + kWordBits - 1) / kWordBits;
    if (covered_.size() < wordsPerRow * kBandRows) covered_.resize(wordsPerRow * kBandRows);
    for (int top = 0; top < rows.height; top += kBandRows) {
      Band band{rows, covered_.data(), wordsPerRow, top, std::min(rows.height, top + kBandRows), 0};
      std::fill_n(band.covered, std::size_t(band.bottom - band.top) * wordsPerRow, 0);
      band.open = std::int64_t(rows.width) * (band.bottom - band.top);
      // Last drawn is nearest: it takes its pixels first.
      for (auto s = shapes_.rbegin(); s != shapes_.rend() && band.open > 0; ++s) {
        const int from = int(std::max<std::int64_t>(s->top, band.top));
        const int to = int(std::min<std::int64_t>(s->bottom, band.bottom));
        const int left = int(std::max<std::int64_t>(s->left, 0));
        const int right = int(std::min<std::int64_t>(s->right, rows.width));
        // Far shapes are often hidden whole: a look at their box costs less than a walk.
        if (from >= to || left >= right || AllCovered(band, left, right, from, to)) continue;
        CoverShape(band, *s, from, to);
      }
    }
  }
  shapes_.clear();
}

void DeferredFrame::Replay(const PixelRows& rows) const {
  for (const RecordedShape& s : shapes_) {
    if (s.kind == RecordedShape::Kind::kFill) {
      for (int y = s.area.top; y < s.area.bottom; ++y)
        WriteRun(rows.pixels + y * rows.stride, s.area.left, s.area.right, s.fillColor);
    } else if (s.kind == RecordedShape::Kind::kPolygon) {
      if (s.filled) FillPolygon(rows, s.points, s.count, s.fillColor);
      if (s.outlined) OutlinePolygon(rows, s.points, s.count, s.outlineColor);
    }
  }
}

