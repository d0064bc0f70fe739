#include "platform/raster/recorded_shape.h"

// The streaming stores need SSE2; KT_PORTABLE builds the plain copy anywhere.
#if defined(__SSE2__) && !defined(KT_PORTABLE)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Rows resolved together: their covered bits (a few kilobytes) stay in the
// first-level cache while every shape over them is written.
constexpr int kBandRows = 64;
constexpr int kWordBits = 64;

// Bits from <= b < to of a word, 0 <= from < to <= 64.
std::uint64_t BitRange(int from, int to) {
  const std::uint64_t upTo = to == kWordBits ? ~std::uint64_t(0) : (std::uint64_t(1) << to) - 1;
  return upTo & (~std::uint64_t(0) << from);
}

// The runs of a kGlyphs shape on rows top .. bottom - 1; they come row by row.
std::span<const GlyphRun> RunsOn(const Recording& recording, const RecordedShape& shape, int top,
                                 int bottom) {
  const auto all = recording.runs.subspan(std::size_t(shape.firstRun), std::size_t(shape.endRun - shape.firstRun));
  const auto first = std::partition_point(all.begin(), all.end(), [&](const GlyphRun& r) { return r.y < top; });
  const auto end = std::partition_point(first, all.end(), [&](const GlyphRun& r) { return r.y < bottom; });
  return {first, end};
}

// Pixels of one row not written yet, joined while they follow each other.
// Columns count from the target's left edge.
struct PendingRun {
  std::uint32_t* line;
  std::uint32_t color;
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
    if (from < to) FillRun(line + from, to - from, color);
    from = to = 0;
  }
};

// The rows being resolved and what of them is covered.
struct Band {
  const RasterTarget& target;
  std::uint64_t* covered;  // wordsPerRow words a row, bit c % 64 of word c / 64 for column clip.left + c
  std::size_t wordsPerRow;
  int top;
  int bottom;
  std::int64_t open;  // pixels nothing covers yet
};

// Whether everything in columns left .. right - 1 of rows top .. bottom - 1
// of the band is covered already.
bool AllCovered(const Band& band, int left, int right, int top, int bottom) {
  left -= band.target.clip.left;
  right -= band.target.clip.left;
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

// Writes the parts of columns [from, to) on row y that nothing covers yet,
// and marks all of it covered. Spans are a few pixels each and come by the
// ten thousand: a call for each would cost more than the span.
[[gnu::always_inline]] inline void CoverSpan(Band& band, int y, int from, int to, std::uint32_t color) {
  from -= band.target.clip.left;
  to -= band.target.clip.left;
  std::uint64_t* word =
      band.covered + std::size_t(y - band.top) * band.wordsPerRow + std::size_t(from / kWordBits);
  std::uint32_t* line = band.target.RowStart(y);
  if (to - from == 1) {  // half of all spans: an outline pixel
    const std::uint64_t bit = std::uint64_t(1) << (from % kWordBits);
    if (*word & bit) return;
    *word |= bit;
    line[from] = color;
    --band.open;
    return;
  }
  if (from / kWordBits == (to - 1) / kWordBits) {  // most spans: outline pixels, short fills
    const int base = from - from % kWordBits;
    const std::uint64_t bits = BitRange(from - base, to - base);
    std::uint64_t open = bits & ~*word;
    *word |= bits;
    if (open == bits) {  // the usual case: nothing nearer there
      FillRun(line + from, to - from, color);
      band.open -= to - from;
      return;
    }
    while (open) {
      const int first = std::countr_zero(open);
      const int length = std::countr_one(open >> first);
      FillRun(line + base + first, length, color);
      band.open -= length;
      open &= ~BitRange(first, first + length);
    }
    return;
  }
  PendingRun run{line, color};
  // Bits low <= b < high of the word for columns base .. base + 63.
  const auto take = [&](int base, int low, int high) __attribute__((always_inline)) {
    const std::uint64_t bits = BitRange(low, high);
    std::uint64_t open = bits & ~*word;
    *word++ |= bits;
    if (open == bits) {
      run.Add(base + low, base + high);
      band.open -= high - low;
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
  take(base, from - base, kWordBits);
  const int lastBase = (to - 1) - (to - 1) % kWordBits;
  for (base += kWordBits; base < lastBase; base += kWordBits) {
    if (*word == ~std::uint64_t(0)) {
      ++word;
      continue;
    }
    take(base, 0, kWordBits);
  }
  take(lastBase, 0, to - lastBase);
  run.Flush();
}

// Writes the shape's pixels in rows top .. bottom - 1 of the band that
// nothing nearer took.
void CoverShape(Band& shared, const Recording& recording, const RecordedShape& shape, int top, int bottom) {
  // A copy the compiler keeps in registers: through the reference, every
  // store of a covered word or a pixel would make it load the band again.
  Band band = shared;
  const Rect clip = band.target.clip;
  const auto clipped = [&](int y, std::int64_t from, std::int64_t to, std::uint32_t color) __attribute__((always_inline)) {
    from = std::max<std::int64_t>(from, clip.left);
    to = std::min<std::int64_t>(to, clip.right);
    if (from < to) CoverSpan(band, y, int(from), int(to), color);
  };
  switch (shape.kind) {
    case RecordedShape::Kind::kFill:
      for (int y = top; y < bottom; ++y) clipped(y, shape.left, shape.right, shape.fillColor);
      break;
    case RecordedShape::Kind::kGlyphs:
      for (const GlyphRun& r : RunsOn(recording, shape, top, bottom)) clipped(r.y, r.from, r.to, shape.fillColor);
      break;
    case RecordedShape::Kind::kPolygon:
      // The outline is drawn over the fill, so it comes first here.
      // The walkers are the filler's and the line drawer's own.
      if (shape.outlined) {
        for (int i = 0; i < shape.count; ++i) {
          const Point a = shape.points[i];
          const Point b = shape.points[(i + 1) % shape.count];
          raster_walk::WalkLineRuns(clip.left, clip.right, top, bottom, a, b,
                                    [&](int y, int from, int to) __attribute__((always_inline)) {
                                      CoverSpan(band, y, from, to, shape.outlineColor);
                                    });
        }
      }
      if (shape.filled && shape.count >= 3) {
        raster_walk::WalkFill(top, bottom, shape.points, shape.count,
                              [&](int y, std::int64_t from, std::int64_t to) __attribute__((always_inline)) {
                                clipped(y, from, to, shape.fillColor);
                              });
      }
      break;
  }
  shared.open = band.open;
}

// Copies count pixels with streaming stores: each line of the destination
// is written whole without being read first, and leaves the caches to what
// is still being drawn. The pixels before the first 16-byte boundary and
// after the last are copied the usual way.
void StreamRow(std::uint32_t* destination, const std::uint32_t* source, std::ptrdiff_t count) {
#if defined(__SSE2__) && !defined(KT_PORTABLE)
  constexpr std::uintptr_t kStoreBytes = sizeof(__m128i);
  constexpr std::ptrdiff_t kPixelsPerStore = kStoreBytes / sizeof(std::uint32_t);
  const std::uintptr_t misaligned = reinterpret_cast<std::uintptr_t>(destination) % kStoreBytes;
  std::ptrdiff_t i = misaligned % sizeof(std::uint32_t) != 0
                         ? count
                         : std::min(count, std::ptrdiff_t((kStoreBytes - misaligned) % kStoreBytes / sizeof(std::uint32_t)));
  std::memcpy(destination, source, std::size_t(i) * sizeof(std::uint32_t));
  for (; i + kPixelsPerStore <= count; i += kPixelsPerStore)
    _mm_stream_si128(reinterpret_cast<__m128i*>(destination + i),
                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i)));
  std::memcpy(destination + i, source + i, std::size_t(count - i) * sizeof(std::uint32_t));
  _mm_sfence();  // streaming stores are weakly ordered: make them seen before anyone reads the row
#else
  std::memcpy(destination, source, std::size_t(count) * sizeof(std::uint32_t));
#endif
}

}  // namespace

void ReplayInOrder(const Recording& recording, const RasterTarget& target) {
  if (target.Empty()) return;
  const Rect& clip = target.clip;
  const auto fill = [&](int y, std::int64_t from, std::int64_t to, std::uint32_t color) {
    from = std::max<std::int64_t>(from, clip.left);
    to = std::min<std::int64_t>(to, clip.right);
    if (from < to) FillRun(target.RowStart(y) + (from - clip.left), to - from, color);
  };
  for (const RecordedShape& s : recording.shapes) {
    switch (s.kind) {
      case RecordedShape::Kind::kFill: {
        const int end = int(std::min<std::int64_t>(s.bottom, clip.bottom));
        for (int y = int(std::max<std::int64_t>(s.top, clip.top)); y < end; ++y) fill(y, s.left, s.right, s.fillColor);
        break;
      }
      case RecordedShape::Kind::kGlyphs:
        for (const GlyphRun& r : RunsOn(recording, s, clip.top, clip.bottom)) fill(r.y, r.from, r.to, s.fillColor);
        break;
      case RecordedShape::Kind::kPolygon:
        if (s.filled) FillPolygon(target, s.points, s.count, s.fillColor);
        if (s.outlined) OutlinePolygon(target, s.points, s.count, s.outlineColor);
        break;
    }
  }
}

void ResolveNearestFirst(const Recording& recording, const RasterTarget& target,
                         std::vector<std::uint64_t>& covered, std::vector<std::uint32_t>* staging) {
  if (target.Empty()) return;
  const Rect& clip = target.clip;
  const int width = clip.right - clip.left;
  const std::size_t wordsPerRow = (std::size_t(width) + kWordBits - 1) / kWordBits;
  if (covered.size() < wordsPerRow * kBandRows) covered.resize(wordsPerRow * kBandRows);
  if (staging && staging->size() < std::size_t(width) * kBandRows) staging->resize(std::size_t(width) * kBandRows);
  for (int top = clip.top; top < clip.bottom; top += kBandRows) {
    const int bottom = std::min(clip.bottom, top + kBandRows);
    // Staged, the band is written in the caches and reaches the target in
    // whole lines that are never read from memory first; 64 rows of 1920
    // pixels are half a megabyte.
    const RasterTarget staged(PixelRows{staging ? staging->data() : nullptr, width, width, bottom - top},
                              Rect{clip.left, top, clip.right, bottom}, -clip.left, -top);
    Band band{staging ? staged : target, covered.data(), wordsPerRow, top, bottom, 0};
    std::fill_n(band.covered, std::size_t(band.bottom - band.top) * wordsPerRow, 0);
    band.open = std::int64_t(width) * (band.bottom - band.top);
    // Last drawn is nearest: it takes its pixels first.
    for (auto s = recording.shapes.rbegin(); s != recording.shapes.rend() && band.open > 0; ++s) {
      const int from = int(std::max<std::int64_t>(s->top, band.top));
      const int to = int(std::min<std::int64_t>(s->bottom, band.bottom));
      const int left = int(std::max<std::int64_t>(s->left, clip.left));
      const int right = int(std::min<std::int64_t>(s->right, clip.right));
      // Far shapes are often hidden whole: a look at their box costs less than a walk.
      if (from >= to || left >= right || AllCovered(band, left, right, from, to)) continue;
      CoverShape(band, recording, *s, from, to);
    }
    if (staging) {
      for (int y = top; y < bottom; ++y) StreamRow(target.RowStart(y), staged.RowStart(y), width);
    }
  }
#if defined(__SSE2__) && !defined(KT_PORTABLE)
  if (staging) _mm_sfence();
#endif
}
