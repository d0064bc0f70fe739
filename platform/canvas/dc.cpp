#include "platform/draw/dc.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "platform/canvas/canvas_objects.h"
#include "platform/canvas/canvas_text.h"
#include "platform/raster/span.h"

namespace {

// Text is laid out from the rectangle's corner, which may lie this far
// outside the surface, as on the desktop.
constexpr int kLayoutExtent = 1 << 24;

Span PixelSpan(const BitmapObject& pixels) { return {0, 0, pixels.width, pixels.height}; }

// A span already inside a surface, whose edges fit in 32 bits.
Rect ToRect(const Span& s) { return {std::int32_t(s.left), std::int32_t(s.top), std::int32_t(s.right), std::int32_t(s.bottom)}; }

// Copies the rows of from inside read to write, moved by dx, dy; from and
// to may be the same pixels, overlapping.
void CopyPixels(BitmapObject& from, const Span& read, BitmapObject& to, std::int64_t dx, std::int64_t dy) {
  const std::size_t bytes = std::size_t(read.right - read.left) * sizeof(std::uint32_t);
  const auto copyRow = [&](std::int64_t y) {
    std::memmove(&to.pixels[std::size_t((y + dy) * to.width + read.left + dx)],
                 &from.pixels[std::size_t(y * from.width + read.left)], bytes);
  };
  // Downward moves go from the bottom, so that no row is read after it is written.
  if (dy > 0) {
    for (std::int64_t y = read.bottom - 1; y >= read.top; --y) copyRow(y);
  } else {
    for (std::int64_t y = read.top; y < read.bottom; ++y) copyRow(y);
  }
}

}  // namespace

CDC::~CDC() { DeleteDC(); }

bool CDC::CreateCompatibleDC(CDC* dc) {
  if (m_hDC) return false;
  m_hDC = new (std::nothrow) DeviceContext;
  if (m_hDC && dc && dc->m_hDC) m_hDC->pixelRatio = dc->m_hDC->pixelRatio;
  return m_hDC != nullptr;
}

bool CDC::DeleteDC() { return DeleteHandle(m_hDC); }

CBitmap* CDC::SelectObject(CBitmap* bitmap) { return m_hDC ? m_hDC->SelectBitmap(bitmap) : nullptr; }

CPen* CDC::SelectObject(CPen* pen) {
  if (!m_hDC || !pen || !pen->GetSafeHandle()) return nullptr;
  return std::exchange(m_hDC->pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (!m_hDC || !brush || !brush->GetSafeHandle()) return nullptr;
  return std::exchange(m_hDC->brush, brush);
}

void CDC::FillSolidRect(const Rect& rect, COLORREF color) {
  if (!m_hDC) return;
  m_hDC->background = color;
  const BitmapObject* pixels = m_hDC->Target();
  if (!pixels) return;
  const Span area = Intersect(ToSpan(rect), PixelSpan(*pixels));
  if (!area.Empty()) m_hDC->kept->Fill(ToRect(area), PixelOf(color));
}

bool CDC::Polygon(const Point* points, int count) {
  if (!m_hDC || !points || count < 2 || !m_hDC->Target()) return false;
  const PenObject* pen = m_hDC->pen->GetSafeHandle();
  const BrushObject* brush = m_hDC->brush->GetSafeHandle();
  // Only one-pixel outlines and polygons of at most kMaxRasterCorners
  // corners are drawn here; the desktop has a general path for the rest.
  if (pen && pen->width > 1) return false;
  return m_hDC->kept->Polygon(points, count, brush ? &brush->pixel : nullptr, pen ? &pen->pixel : nullptr);
}

COLORREF CDC::SetTextColor(COLORREF color) {
  if (!m_hDC) return 0;
  return std::exchange(m_hDC->text, color);
}

COLORREF CDC::GetBkColor() const { return m_hDC ? m_hDC->background : 0; }

int CDC::DrawText(const char* text, int count, const Rect& rect, unsigned /*format*/) {
  if (!m_hDC || !text) return 0;
  const BitmapObject* pixels = m_hDC->Target();
  if (!pixels) return 0;
  const Span box = Intersect(ToSpan(rect), PixelSpan(*pixels));
  if (box.Empty() || rect.left < -kLayoutExtent || rect.top < -kLayoutExtent) return 0;
  const std::string_view line = count < 0 ? std::string_view(text) : std::string_view(text, std::size_t(count));
  TableText& layout = CanvasText();
  const Rect covered = layout.Lay(line, {rect.left, rect.top}, ToRect(box), m_hDC->pixelRatio);
  const Span cells = Intersect(ToSpan(covered), box);
  m_hDC->kept->Glyphs(cells.Empty() ? Rect{} : ToRect(cells), layout.Runs(), PixelOf(m_hDC->background),
                      PixelOf(m_hDC->text));
  return covered.Height();
}

bool CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, std::uint32_t rop) {
  if (rop != SRCCOPY || !m_hDC || !source || !source->m_hDC) return false;
  DeviceContext& from = *source->m_hDC;
  BitmapObject* read = from.Target();
  BitmapObject* write = m_hDC->Target();
  if (!read || !write) return false;
  m_hDC->Resolve();  // the copy lands over what was drawn before it
  const auto [dx, dy, to] = ClipBlockCopy(x, y, width, height, xSrc, ySrc, PixelSpan(*read), PixelSpan(*write));
  if (to.Empty()) return true;
  const Span area = Moved(to, -dx, -dy);
  // What the source keeps is written straight into this surface; it stays
  // kept, for whatever reads the source next.
  if (&from != m_hDC && !from.kept->Empty()) {
    from.kept->ResolveInto(read->Rows(), RasterTarget(write->Rows(), ToRect(area), int(dx), int(dy)));
    return true;
  }
  CopyPixels(*read, area, *write, dx, dy);
  return true;
}

void* CDC::operator new(std::size_t size) { return ::operator new(size); }

void* CDC::operator new(std::size_t size, const std::nothrow_t&) noexcept { return ::operator new(size, std::nothrow); }

void CDC::operator delete(void* p) noexcept { ::operator delete(p); }
