#include "platform/draw/dc.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QVarLengthArray>
#include <algorithm>
#include <string_view>
#include <utility>

#include "platform/draw/device_context.h"
#include "platform/draw/drawing_faults.h"
#include "platform/draw/raster_polygon.h"

namespace {

// Rectangle with edges in 64 bits, so that clipping 32-bit input never overflows.
struct Span {
  std::int64_t left, top, right, bottom;
  bool Empty() const { return right <= left || bottom <= top; }
  QRect ToQRect() const { return QRect(int(left), int(top), int(right - left), int(bottom - top)); }
};

Span Intersect(const Span& a, const Span& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

Span DeviceSpan(const QPaintDevice* device) { return {0, 0, device->width(), device->height()}; }

// Text is laid out in a box this large from the rectangle's corner; no line
// of a surface at most this wide can reach beyond it.
constexpr int kLayoutExtent = 1 << 24;

Span ToSpan(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The raster engine's general polygon path costs about twice a plain fill per
// pixel. An unclipped 32-bit image takes small polygons with a solid brush and
// a one-pixel pen straight into its rows instead, with the same pixels but at
// its edges.
bool PolygonIntoPixels(DeviceContext& dc, const Point* points, int count) {
  if (dc.clipped || count > kMaxRasterCorners || dc.device->devType() != QInternal::Image) return false;
  auto* image = static_cast<QImage*>(dc.device);
  if (image->format() != QImage::Format_RGB32) return false;
  const PenObject* pen = dc.pen->GetSafeHandle();
  const BrushObject* brush = dc.brush->GetSafeHandle();
  if (pen && pen->pen.width() > 1) return false;
  const PixelRows rows{reinterpret_cast<std::uint32_t*>(image->bits()),
                       image->bytesPerLine() / std::ptrdiff_t(sizeof(std::uint32_t)), image->width(),
                       image->height()};
  if (brush && brush->brush.style() == Qt::SolidPattern)
    FillPolygon(rows, points, count, brush->brush.color().rgb());
  if (pen && pen->pen.style() == Qt::SolidLine)
    OutlinePolygon(rows, points, count, pen->pen.color().rgb());
  return true;
}

}  // namespace

CDC::~CDC() { DeleteDC(); }

bool CDC::CreateCompatibleDC(CDC* /*dc*/) {
  // Every surface here draws in the same 32-bit colour format, so a memory
  // context is compatible with any of them.
  if (m_hDC || CurrentDrawingFaults().context) return false;
  m_hDC = new (std::nothrow) DeviceContext;
  return m_hDC != nullptr;
}

bool CDC::DeleteDC() {
  if (!m_hDC) return false;
  DeviceContext::Dispose(m_hDC);
  m_hDC = nullptr;
  return true;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) { return m_hDC ? m_hDC->SelectBitmap(bitmap) : nullptr; }

CPen* CDC::SelectObject(CPen* pen) {
  if (!m_hDC || !pen || !pen->GetSafeHandle()) return nullptr;
  CPen* previous = m_hDC->pen;
  m_hDC->pen = pen;
  if (m_hDC->painter.isActive()) m_hDC->painter.setPen(pen->GetSafeHandle()->pen);
  return previous;
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (!m_hDC || !brush || !brush->GetSafeHandle()) return nullptr;
  CBrush* previous = m_hDC->brush;
  m_hDC->brush = brush;
  if (m_hDC->painter.isActive()) m_hDC->painter.setBrush(brush->GetSafeHandle()->brush);
  return previous;
}

void CDC::FillSolidRect(const Rect& rect, COLORREF color) {
  if (!m_hDC) return;
  m_hDC->background = color;
  QPainter* painter = m_hDC->Painter();
  if (!painter) return;
  const Span area = Intersect(ToSpan(rect), DeviceSpan(painter->device()));
  if (!area.Empty()) painter->fillRect(area.ToQRect(), ToQColor(color));
}

bool CDC::Polygon(const Point* points, int count) {
  if (!m_hDC || !points || count < 2) return false;
  QPainter* painter = m_hDC->Painter();
  if (!painter) return false;
  if (PolygonIntoPixels(*m_hDC, points, count)) return true;
  QVarLengthArray<QPoint, 8> corners(count);
  for (int i = 0; i < count; ++i) corners[i] = QPoint(points[i].x, points[i].y);
  painter->drawPolygon(corners.data(), count, Qt::OddEvenFill);
  return true;
}

COLORREF CDC::SetTextColor(COLORREF color) {
  if (!m_hDC) return 0;
  return std::exchange(m_hDC->text, color);
}

COLORREF CDC::GetBkColor() const { return m_hDC ? m_hDC->background : 0; }

int CDC::DrawText(const char* text, int count, const Rect& rect, unsigned /*format*/) {
  if (!m_hDC || !text || !qGuiApp) return 0;  // fonts need the GUI application
  QPainter* painter = m_hDC->Painter();
  if (!painter) return 0;
  const Span surface = DeviceSpan(painter->device());
  const Span box = Intersect(ToSpan(rect), surface);
  if (box.Empty() || rect.left < -kLayoutExtent || rect.top < -kLayoutExtent) return 0;
  m_hDC->UseSurfaceFont();
  // Format 0: left, top, lines end only at '\n'. The layout starts at the
  // rectangle's own corner, which may lie outside the surface.
  const QRect origin(rect.left, rect.top, kLayoutExtent, kLayoutExtent);
  m_hDC->lastText.Use(*painter, count < 0 ? std::string_view(text) : std::string_view(text, count),
                      origin, Qt::AlignLeft | Qt::AlignTop);
  const QRect used = m_hDC->lastText.Covered();
  const QRect clip = box.ToQRect();
  if (m_hDC->textPen.style() == Qt::NoPen || m_hDC->textPen.color() != ToQColor(m_hDC->text))
    m_hDC->textPen = QPen(ToQColor(m_hDC->text));

  // A box over the whole of an unclipped surface needs no clip of its own.
  const bool ownClip = m_hDC->clipped || box.left != surface.left || box.top != surface.top ||
                       box.right != surface.right || box.bottom != surface.bottom;
  if (ownClip) painter->setClipRect(clip, m_hDC->clipped ? Qt::IntersectClip : Qt::ReplaceClip);
  painter->fillRect(used & clip, ToQColor(m_hDC->background));  // opaque cells behind the text
  painter->setPen(m_hDC->textPen);
  m_hDC->lastText.Draw(*painter);
  painter->setPen(m_hDC->pen->GetSafeHandle() ? m_hDC->pen->GetSafeHandle()->pen
                                              : QPen(Qt::NoPen));
  if (m_hDC->clipped) {
    painter->setClipRegion(m_hDC->clip);
  } else if (ownClip) {
    painter->setClipping(false);
  }
  return used.height();
}

bool CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                 std::uint32_t rop) {
  if (rop != SRCCOPY || !m_hDC || !source || !source->m_hDC) return false;
  const QImage* pixels = source->m_hDC->SourceImage();
  QPainter* painter = m_hDC->Painter();
  if (!pixels || !painter) return false;
  // Clip to the source pixels that exist, then to the destination, moving the
  // other rectangle along so that pixel (xSrc, ySrc) still lands on (x, y).
  const std::int64_t dx = std::int64_t(x) - xSrc;
  const std::int64_t dy = std::int64_t(y) - ySrc;
  Span from = Intersect({xSrc, ySrc, std::int64_t(xSrc) + width, std::int64_t(ySrc) + height},
                        {0, 0, pixels->width(), pixels->height()});
  const Span to = Intersect({from.left + dx, from.top + dy, from.right + dx, from.bottom + dy},
                            DeviceSpan(painter->device()));
  if (to.Empty()) return true;
  from = {to.left - dx, to.top - dy, to.right - dx, to.bottom - dy};

  const bool sameSurface = source->m_hDC == m_hDC;
  const QImage copy = sameSurface ? pixels->copy(from.ToQRect()) : QImage();
  painter->setCompositionMode(QPainter::CompositionMode_Source);
  if (sameSurface) {
    painter->drawImage(QPoint(int(to.left), int(to.top)), copy);
  } else {
    painter->drawImage(QPoint(int(to.left), int(to.top)), *pixels, from.ToQRect());
  }
  painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  return true;
}

void* CDC::operator new(std::size_t size) { return ::operator new(size); }

void* CDC::operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (CurrentDrawingFaults().surfaceObject) return nullptr;
  return ::operator new(size, std::nothrow);
}

void CDC::operator delete(void* p) noexcept { ::operator delete(p); }
