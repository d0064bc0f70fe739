#include "platform/draw/dc.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QVarLengthArray>
#include <algorithm>
#include <string_view>
#include <utility>

#include "platform/draw/device_context.h"
#include "platform/draw/drawing_clock.h"
#include "platform/draw/drawing_faults.h"
#include "platform/raster/raster_polygon.h"
#include "platform/raster/span.h"

namespace {

QRect ToQRect(const Span& s) { return QRect(int(s.left), int(s.top), int(s.right - s.left), int(s.bottom - s.top)); }

Span DeviceSpan(const DeviceContext& dc) {
  const QSize size = dc.SurfaceSize();
  return {0, 0, size.width(), size.height()};
}

// Text is laid out in a box this large from the rectangle's corner; no line
// of a surface at most this wide can reach beyond it.
constexpr int kLayoutExtent = 1 << 24;

// The raster engine's general polygon path costs about twice a plain fill per
// pixel. An unclipped 32-bit image takes small polygons with a solid brush and
// a one-pixel pen straight into its rows instead, with the same pixels but at
// its edges. Gives the colours of the fill and the outline and whether each
// is drawn; false when the polygon needs the general path.
bool RasterColors(const DeviceContext& dc, int count, std::uint32_t& fill, std::uint32_t& outline,
                  bool& filled, bool& outlined) {
  if (dc.clipped || count > kMaxRasterCorners || dc.device->devType() != QInternal::Image) return false;
  if (static_cast<const QImage*>(dc.device)->format() != QImage::Format_RGB32) return false;
  const PenObject* pen = dc.pen->GetSafeHandle();
  const BrushObject* brush = dc.brush->GetSafeHandle();
  if (pen && pen->pen.width() > 1) return false;
  filled = brush && brush->brush.style() == Qt::SolidPattern;
  if (filled) fill = brush->brush.color().rgb();
  outlined = pen && pen->pen.style() == Qt::SolidLine;
  if (outlined) outline = pen->pen.color().rgb();
  return true;
}

}  // namespace

CDC::~CDC() { DeleteDC(); }

bool CDC::CreateCompatibleDC(CDC* dc) {
  // Every surface here draws in the same 32-bit colour format, so a memory
  // context is compatible with any of them; it draws text for the same screen.
  if (m_hDC || CurrentDrawingFaults().context) return false;
  m_hDC = new (std::nothrow) DeviceContext;
  if (m_hDC && dc && dc->m_hDC) m_hDC->pixelRatio = dc->m_hDC->pixelRatio;
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
  const Span area = Intersect(ToSpan(rect), DeviceSpan(*m_hDC));
  if (area.Empty()) return;
  if (DeferredSurface* kept = m_hDC->Deferred()) {
    kept->Fill({std::int32_t(area.left), std::int32_t(area.top), std::int32_t(area.right),
                std::int32_t(area.bottom)},
               ToQColor(color).rgb());
    return;
  }
  painter->fillRect(ToQRect(area), ToQColor(color));
}

bool CDC::Polygon(const Point* points, int count) {
  if (!m_hDC || !points || count < 2) return false;
  QPainter* painter = m_hDC->Painter();
  if (!painter) return false;
  std::uint32_t fill = 0, outline = 0;
  bool filled = false, outlined = false;
  if (RasterColors(*m_hDC, count, fill, outline, filled, outlined)) {
    DeferredSurface* kept = m_hDC->Deferred();
    if (kept && !CurrentDrawingFaults().keptPolygon &&
        kept->Polygon(points, count, filled ? &fill : nullptr, outlined ? &outline : nullptr))
      return true;
    // Refused, or nothing kept: drawn at once, over what was kept before it.
    m_hDC->Resolve();
    const PixelRows rows = m_hDC->Rows();
    if (filled) FillPolygon(rows, points, count, fill);
    if (outlined) OutlinePolygon(rows, points, count, outline);
    return true;
  }
  m_hDC->Resolve();  // the general path draws at once, over what came before
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
  const Span surface = DeviceSpan(*m_hDC);
  const Span box = Intersect(ToSpan(rect), surface);
  if (box.Empty() || rect.left < -kLayoutExtent || rect.top < -kLayoutExtent) return 0;
  // Format 0: left, top, lines end only at '\n'. The layout starts at the
  // rectangle's own corner, which may lie outside the surface.
  const QRect origin(rect.left, rect.top, kLayoutExtent, kLayoutExtent);
  const std::string_view line = count < 0 ? std::string_view(text) : std::string_view(text, count);
  constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop;
  const QRect clip = ToQRect(box);
  if (DeferredSurface* kept = m_hDC->Deferred()) {
    TextCapture& capture = m_hDC->textCapture;
    const QRect covered = capture.Capture(line, origin, kFlags, clip, m_hDC->pixelRatio);
    const QRect cells = covered & clip;
    kept->Glyphs({cells.left(), cells.top(), cells.right() + 1, cells.bottom() + 1}, capture.Runs(),
                 ToQColor(m_hDC->background).rgb(), ToQColor(m_hDC->text).rgb());
    return covered.height();
  }
  m_hDC->UseSurfaceFont();
  m_hDC->lastText.Use(*painter, line, origin, kFlags);
  const QRect used = m_hDC->lastText.Covered();
  // A box over the whole of an unclipped surface needs no clip of its own.
  const bool ownClip = m_hDC->clipped || box.left != surface.left || box.top != surface.top ||
                       box.right != surface.right || box.bottom != surface.bottom;
  m_hDC->DrawPlacedText({clip, used & clip, m_hDC->background, m_hDC->text, ownClip});
  return used.height();
}

bool CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                 std::uint32_t rop) {
  if (rop != SRCCOPY || !m_hDC || !source || !source->m_hDC) return false;
  DeviceContext& from = *source->m_hDC;
  const bool sameSurface = &from == m_hDC;
  // What the source keeps is written straight into this surface below; it
  // stays kept, for whatever reads the source next.
  DeferredSurface* kept = sameSurface ? nullptr : from.Deferred();
  if (kept && kept->Empty()) kept = nullptr;
  if (!kept) from.Resolve();
  m_hDC->Resolve();  // the copy lands over what was drawn before it
  const QImage* pixels = from.SourceImage();
  QPainter* painter = m_hDC->Painter();
  if (!pixels || !painter) return false;
  const auto [dx, dy, to] =
      ClipBlockCopy(x, y, width, height, xSrc, ySrc, {0, 0, pixels->width(), pixels->height()}, DeviceSpan(*m_hDC));
  if (to.Empty()) return true;
  const Span read = Moved(to, -dx, -dy);

  PixelRows rows;
  QPoint offset;
  QRect area;
  if (kept && m_hDC->WritableArea(rows, offset, area)) {
    const DrawingStopwatch stopwatch(&DrawingTime::resolveSeconds);
    area &= ToQRect(to);
    if (area.isEmpty()) return true;
    // area in the source's coordinates, and how far its pixels move into rows.
    const Rect clip{area.left() - int(dx), area.top() - int(dy), area.right() + 1 - int(dx),
                    area.bottom() + 1 - int(dy)};
    kept->ResolveInto(from.Rows(), RasterTarget(rows, clip, int(dx) + offset.x(), int(dy) + offset.y()));
    return true;
  }
  if (kept) from.Resolve();

  const DrawingStopwatch stopwatch(&DrawingTime::copySeconds);
  const QImage copy = sameSurface ? pixels->copy(ToQRect(read)) : QImage();
  painter->setCompositionMode(QPainter::CompositionMode_Source);
  if (sameSurface) {
    painter->drawImage(QPoint(int(to.left), int(to.top)), copy);
  } else {
    painter->drawImage(QPoint(int(to.left), int(to.top)), *pixels, ToQRect(read));
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
