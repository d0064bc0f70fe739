#include "platform/deferred_frame.h"

#include <algorithm>
#include <bit>
#include <cwchar>

#include "platform/raster_walk.h"

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

}  // namespace

DeferredFrame::DeferredFrame() { shapes_.reserve(kShapesReserved); }

void DeferredFrame::Fill(const Rect& area, std::uint32_t color) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  Shape& s = shapes_.emplace_back();
  s.kind = Shape::Kind::kFill;
  s.fillColor = color;
  s.area = area;
  s.left = area.left;
  s.right = area.right;
  s.top = area.top;
  s.bottom = area.bottom;
}

void DeferredFrame::Polygon(const Point* points, int count, const std::uint32_t* fill,
                            const std::uint32_t* outline) {
  Shape& s = shapes_.emplace_back();
  s.kind = Shape::Kind::kPolygon;
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
  Shape& s = shapes_.emplace_back();
  s.kind = Shape::Kind::kReserve;
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
    wordsPerRow_ = (std::size_t(rows.width) + kWordBits - 1) / kWordBits;
    if (covered_.size() < wordsPerRow_ * kBandRows) covered_.resize(wordsPerRow_ * kBandRows);
    for (bandTop_ = 0; bandTop_ < rows.height; bandTop_ += kBandRows) {
      const int bandBottom = std::min(rows.height, bandTop_ + kBandRows);
      std::fill_n(covered_.begin(), std::size_t(bandBottom - bandTop_) * wordsPerRow_, 0);
      open_ = std::int64_t(rows.width) * (bandBottom - bandTop_);
      // Last drawn is nearest: it takes its pixels first.
      for (auto s = shapes_.rbegin(); s != shapes_.rend() && open_ > 0; ++s) {
        const int top = int(std::max<std::int64_t>(s->top, bandTop_));
        const int bottom = int(std::min<std::int64_t>(s->bottom, bandBottom));
        const int left = int(std::max<std::int64_t>(s->left, 0));
        const int right = int(std::min<std::int64_t>(s->right, rows.width));
        // Far shapes are often hidden whole: a look at their box costs less than a walk.
        if (top >= bottom || left >= right || AllCovered(left, right, top, bottom)) continue;
        CoverShape(rows, *s, top, bottom);
      }
    }
  }
  shapes_.clear();
}

void DeferredFrame::Replay(const PixelRows& rows) const {
  for (const Shape& s : shapes_) {
    if (s.kind == Shape::Kind::kFill) {
      for (int y = s.area.top; y < s.area.bottom; ++y)
        WriteRun(rows.pixels + y * rows.stride, s.area.left, s.area.right, s.fillColor);
    } else if (s.kind == Shape::Kind::kPolygon) {
      if (s.filled) FillPolygon(rows, s.points, s.count, s.fillColor);
      if (s.outlined) OutlinePolygon(rows, s.points, s.count, s.outlineColor);
    }
  }
}

bool DeferredFrame::AllCovered(int left, int right, int top, int bottom) const {
  const std::size_t firstWord = std::size_t(left / kWordBits);
  const std::size_t lastWord = std::size_t((right - 1) / kWordBits);
  const std::uint64_t firstBits = BitRange(left % kWordBits, kWordBits);
  const std::uint64_t lastBits = BitRange(0, (right - 1) % kWordBits + 1);
  for (int y = top; y < bottom; ++y) {
    const std::uint64_t* row = covered_.data() + std::size_t(y - bandTop_) * wordsPerRow_;
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
inline KT_INLINE void DeferredFrame::CoverSpan(const PixelRows& rows, int y, int from, int to,
                                               std::uint32_t color, bool write) {
  std::uint64_t* word =
      covered_.data() + std::size_t(y - bandTop_) * wordsPerRow_ + std::size_t(from / kWordBits);
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
      open_ -= length;
      open &= ~BitRange(first, first + length);
    }
    return;
  }
  PendingRun run{rows.pixels + y * rows.stride, color, write};
  for (int x = from; x < to; ++word) {
    const int base = x - x % kWordBits;
    const int end = std::min(to, base + kWordBits);
    const std::uint64_t bits = BitRange(x - base, end - base);
    std::uint64_t open = bits & ~*word;
    *word |= bits;
    if (open == bits) {
      run.Add(x, end);
      open_ -= end - x;
    } else {
      while (open) {
        const int first = std::countr_zero(open);
        const int length = std::countr_one(open >> first);
        run.Add(base + first, base + first + length);
        open_ -= length;
        open &= ~BitRange(first, first + length);
      }
    }
    x = end;
  }
  run.Flush();
}

void DeferredFrame::CoverShape(const PixelRows& rows, const Shape& shape, int top, int bottom) {
  switch (shape.kind) {
    case Shape::Kind::kFill:
    case Shape::Kind::kReserve: {
      const bool write = shape.kind == Shape::Kind::kFill;
      const int end = std::min(shape.area.bottom, bottom);
      for (int y = std::max(shape.area.top, top); y < end; ++y)
        CoverSpan(rows, y, shape.area.left, shape.area.right, shape.fillColor, write);
      return;
    }
    case Shape::Kind::kPolygon:
      // The outline is drawn over the fill, so it comes first here.
      // The walkers are the filler's and the line drawer's own.
      if (shape.outlined) {
        for (int i = 0; i < shape.count; ++i) {
          const Point a = shape.points[i];
          const Point b = shape.points[(i + 1) % shape.count];
          raster_walk::WalkLineRuns(rows.width, top, bottom, a, b, [&](int y, int from, int to) KT_INLINE {
            CoverSpan(rows, y, from, to, shape.outlineColor, true);
          });
        }
      }
      if (shape.filled && shape.count >= 3) {
        raster_walk::WalkFill(top, bottom, shape.points, shape.count,
                              [&](int y, std::int64_t from, std::int64_t to) KT_INLINE {
                                from = std::max<std::int64_t>(from, 0);
                                to = std::min<std::int64_t>(to, rows.width);
                                if (from < to) CoverSpan(rows, y, int(from), int(to), shape.fillColor, true);
                              });
      }
      return;
  }
}

