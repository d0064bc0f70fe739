#include "platform/raster/table_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Floor and ceiling of a position in glyph units, in whole pixels.
std::int64_t FloorPixels(std::int64_t units) {
  return units >= 0 ? units / kGlyphUnitsPerPixel : -((-units + kGlyphUnitsPerPixel - 1) / kGlyphUnitsPerPixel);
}
std::int64_t CeilPixels(std::int64_t units) { return -FloorPixels(-units); }

std::int32_t Held(std::int64_t v) {
  return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()));
}

bool InTable(char c) { return c >= kFirstTableChar && c <= kLastTableChar; }

std::int32_t Kerning(const GlyphFace& face, char left, char right) {
  const auto it = std::lower_bound(face.kerns.begin(), face.kerns.end(), KernPair{left, right, 0},
                                   [](const KernPair& a, const KernPair& b) {
                                     return a.left != b.left ? a.left < b.left : a.right < b.right;
                                   });
  return it != face.kerns.end() && it->left == left && it->right == right ? it->adjust : 0;
}

}  // namespace

TableText::TableText(const GlyphTable& table, Notice notice) : table_(table), notice_(std::move(notice)) {}

void TableText::Tell(bool& told, const std::string& what) {
  if (told) return;
  told = true;
  if (notice_) notice_(what);
}

const GlyphFace& TableText::FaceFor(double pixelRatio) {
  // As the desktop sizes its font: rounded to whole pixels, and fully hinted
  // on any screen but the ordinary one.
  const double wanted = table_.pixelsAtOne * pixelRatio;
  const int size = wanted < std::numeric_limits<int>::max() ? int(wanted + 0.5) : std::numeric_limits<int>::max();
  const bool hinted = pixelRatio != 1.0;
  const GlyphFace* best = &table_.faces.front();
  for (const GlyphFace& face : table_.faces) {
    if (face.pixelSize == size && face.fullHinting == hinted) return face;
    if (std::abs(std::int64_t(face.pixelSize) - size) < std::abs(std::int64_t(best->pixelSize) - size)) best = &face;
  }
  Tell(toldSize_, "text at pixel ratio " + std::to_string(pixelRatio) + " wants the surface font at " +
                      std::to_string(size) + " pixels, which the glyph table lacks; drawn at " +
                      std::to_string(best->pixelSize) + " pixels");
  return *best;
}

Rect TableText::Lay(std::string_view text, Point corner, const Rect& clip, double pixelRatio) {
  const GlyphFace& face = FaceFor(pixelRatio);
  placed_.clear();
  runs_.clear();
  std::int64_t pen = 0;
  std::int64_t overhang = 0;  // of the last glyph
  char previous = 0;
  for (const char c : text) {
    if (!InTable(c)) {
      Tell(toldChars_, "text holds characters other than printable ASCII, which the glyph table lacks; "
                       "they are left out");
      continue;
    }
    if (previous) pen += Kerning(face, previous, c);
    const GlyphImage& glyph = face.glyphs[std::size_t(c - kFirstTableChar)];
    if (glyph.width > 0 && glyph.height > 0) placed_.push_back({&glyph, corner.x + FloorPixels(pen) + glyph.left});
    pen += glyph.advance;
    overhang = glyph.overhang;
    previous = c;
  }
  Ink(corner.y, clip);
  return {corner.x, corner.y, Held(corner.x + CeilPixels(pen + overhang)), Held(std::int64_t(corner.y) + face.lineHeight)};
}

void TableText::Ink(std::int64_t top, const Rect& clip) {
  if (placed_.empty()) return;
  // The area the glyphs' boxes cover inside the clip; only it is inked.
  std::int64_t left = std::numeric_limits<std::int64_t>::max(), right = std::numeric_limits<std::int64_t>::min();
  std::int64_t inkTop = left, inkBottom = right;
  for (const Placed& p : placed_) {
    left = std::min(left, p.x);
    right = std::max(right, p.x + p.glyph->width);
    inkTop = std::min(inkTop, top + p.glyph->top);
    inkBottom = std::max(inkBottom, top + p.glyph->top + p.glyph->height);
  }
  left = std::max<std::int64_t>(left, clip.left);
  right = std::min<std::int64_t>(right, clip.right);
  inkTop = std::max<std::int64_t>(inkTop, clip.top);
  inkBottom = std::min<std::int64_t>(inkBottom, clip.bottom);
  if (right <= left || inkBottom <= inkTop) return;
  const std::int64_t width = right - left;
  ink_.assign(std::size_t(width * (inkBottom - inkTop)), 0);
  for (const Placed& p : placed_) {
    const GlyphImage& g = *p.glyph;
    const std::int64_t glyphTop = top + g.top;
    const std::int64_t fromRow = std::max(inkTop, glyphTop), toRow = std::min(inkBottom, glyphTop + g.height);
    const std::int64_t fromColumn = std::max(left, p.x), toColumn = std::min(right, p.x + g.width);
    for (std::int64_t y = fromRow; y < toRow; ++y) {
      std::uint8_t* row = ink_.data() + (y - inkTop) * width;
      const std::size_t rowBit = g.firstByte * std::size_t(8) + std::size_t(y - glyphTop) * g.width;
      for (std::int64_t x = fromColumn; x < toColumn; ++x) {
        const std::size_t bit = rowBit + std::size_t(x - p.x);
        row[x - left] |= (table_.bits[bit / 8] >> (bit % 8)) & 1;
      }
    }
  }
  for (std::int64_t y = inkTop; y < inkBottom; ++y) {
    const std::uint8_t* row = ink_.data() + (y - inkTop) * width;
    for (std::int64_t x = 0; x < width;) {
      if (!row[x]) {
        ++x;
        continue;
      }
      const std::int64_t from = x;
      while (x < width && row[x]) ++x;
      runs_.push_back({int(y), int(left + from), int(left + x)});
    }
  }
}
