#include "platform/draw/device_context.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <cmath>

#include "platform/draw/drawing_clock.h"
#include "platform/draw/text_capture.h"

namespace {

constexpr COLORREF kDefaultPenColor = RGB(0, 0, 0);
constexpr COLORREF kDefaultBrushColor = RGB(255, 255, 255);

bool IsNullImage(QPaintDevice* device) {
  return device->devType() == QInternal::Image && static_cast<QImage*>(device)->isNull();
}

bool IsColorImage(QPaintDevice* device) {
  return device && device->devType() == QInternal::Image &&
         static_cast<QImage*>(device)->format() == QImage::Format_RGB32;
}

// The painter's transform turned from logical to device pixels, its origin
// on a whole device pixel.
void DrawInDevicePixels(QPainter& painter) {
  const QTransform toDevice = painter.deviceTransform();
  const qreal ratio = toDevice.m11();
  if (ratio == 1.0 || ratio <= 0.0) return;
  const qreal dx = (std::round(toDevice.dx()) - toDevice.dx()) / ratio;
  const qreal dy = (std::round(toDevice.dy()) - toDevice.dy()) / ratio;
  painter.setWorldTransform(QTransform(1.0 / ratio, 0, 0, 1.0 / ratio, dx, dy));
}

}  // namespace

QSize DevicePixelSize(int width, int height, double ratio) { return QSize(width, height) * ratio; }

CPen& DeviceContext::DefaultPen() {
  static CPen pen;
  if (!pen.m_hObject) {
    pen.m_hObject = new PenObject{QPen(ToQColor(kDefaultPenColor), 1)};
    pen.m_hObject->pen.setCosmetic(true);
  }
  return pen;
}

CBrush& DeviceContext::DefaultBrush() {
  static CBrush brush;
  if (!brush.m_hObject) brush.m_hObject = new BrushObject{QBrush(ToQColor(kDefaultBrushColor))};
  return brush;
}

namespace {
// Made during start-up, so that the drawing census never sees them appear.
[[maybe_unused]] const bool stockObjectsMade =
    (DeviceContext::DefaultPen(), DeviceContext::DefaultBrush(), true);
}  // namespace

DeviceContext::DeviceContext() : memory(true) {
  defaultBitmap.m_hObject = new BitmapObject{NewMonochromeImage(), &defaultBitmap, this};
  bitmap = &defaultBitmap;
  device = &defaultBitmap.m_hObject->image;
  pen = &DefaultPen();
  brush = &DefaultBrush();
}

DeviceContext::DeviceContext(QPaintDevice* target, const QRegion* region)
    : device(target), pen(&DefaultPen()), brush(&DefaultBrush()) {
  if (region) {
    clipped = true;
    clip = *region;
  }
}

namespace {
std::unique_ptr<DeviceContext> parkedPaintContext;
}  // namespace

DeviceContext* DeviceContext::ForPaint(QPaintDevice* target, const QRegion* region) {
  if (!parkedPaintContext) return new (std::nothrow) DeviceContext(target, region);
  DeviceContext* dc = parkedPaintContext.release();
  dc->device = target;
  dc->clipped = region != nullptr;
  if (region) dc->clip = *region;
  return dc;
}

void DeviceContext::Dispose(DeviceContext* dc) {
  if (!dc) return;
  if (dc->memory || parkedPaintContext) {
    delete dc;
    return;
  }
  // Back to what a new paint context holds. Its text layout goes too: it
  // refers to fonts, which must not outlive the GUI application.
  dc->EndPainting();
  dc->device = nullptr;
  dc->clipped = false;
  dc->clip = QRegion();
  dc->paintFailed = false;
  dc->devicePixels = false;
  dc->pixelRatio = 1.0;
  dc->pen = &DefaultPen();
  dc->brush = &DefaultBrush();
  dc->background = kDefaultBkColor;
  dc->text = kDefaultTextColor;
  dc->lastText.Forget();
  parkedPaintContext.reset(dc);
}

int DeviceContext::Parked() { return parkedPaintContext ? 1 : 0; }

DeviceContext::~DeviceContext() {
  Resolve();
  EndPainting();
  if (bitmap) bitmap->m_hObject->selectedInto = nullptr;
}

QPainter* DeviceContext::Painter() {
  if (painter.isActive()) return &painter;
  if (!device || paintFailed) return nullptr;
  // A monochrome bitmap takes no drawing: what a surface shows while its
  // bitmap failed is only that it never reads or writes outside the pixels.
  if (IsNullImage(device) || (device->devType() == QInternal::Image &&
                              static_cast<QImage*>(device)->format() == QImage::Format_Mono)) {
    return nullptr;
  }
  if (!painter.begin(device)) {
    paintFailed = true;
    return nullptr;
  }
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                             QPainter::SmoothPixmapTransform,
                         false);
  fontSet = false;
  if (devicePixels) DrawInDevicePixels(painter);  // before the clip, which is in device pixels too
  if (clipped) painter.setClipRegion(clip);
  painter.setPen(pen->GetSafeHandle() ? pen->GetSafeHandle()->pen : QPen(Qt::NoPen));
  painter.setBrush(brush->GetSafeHandle() ? brush->GetSafeHandle()->brush : QBrush(Qt::NoBrush));
  return &painter;
}

void DeviceContext::UseSurfaceFont() {
  if (fontSet || !painter.isActive() || !qGuiApp) return;
  painter.setFont(SurfaceFont(pixelRatio));
  fontSet = true;
  lastText.Forget();  // laid out in another font
}

QSize DeviceContext::SurfaceSize() const {
  if (!device) return {};
  if (devicePixels) return DevicePixelSize(device->width(), device->height(), device->devicePixelRatioF());
  return {device->width(), device->height()};
}

void DeviceContext::EndPainting() {
  if (painter.isActive()) painter.end();
}

const QImage* DeviceContext::SourceImage() const {
  if (!device || device->devType() != QInternal::Image) return nullptr;
  const auto* image = static_cast<const QImage*>(device);
  return image->isNull() ? nullptr : image;
}

CBitmap* DeviceContext::SelectBitmap(CBitmap* next) {
  if (!memory || !next || !next->m_hObject) return nullptr;
  BitmapObject* object = next->m_hObject;
  if (object->selectedInto && object->selectedInto != this) return nullptr;
  CBitmap* previous = bitmap;
  if (next == previous) return previous;
  Resolve();
  EndPainting();
  previous->m_hObject->selectedInto = nullptr;
  object->selectedInto = this;
  bitmap = next;
  device = &object->image;
  paintFailed = false;
  deferred.reset();
  if (IsColorImage(device)) deferred.emplace(object->image.width(), object->image.height());
  return previous;
}

void DeviceContext::DropBitmap(BitmapObject* gone) {
  if (!bitmap || bitmap->m_hObject != gone) return;
  Resolve();
  EndPainting();
  gone->selectedInto = nullptr;
  bitmap = &defaultBitmap;
  defaultBitmap.m_hObject->selectedInto = this;
  device = &defaultBitmap.m_hObject->image;
  paintFailed = false;
  deferred.reset();  // the default bitmap is monochrome
}

void DeviceContext::Resolve() {
  if (!deferred || deferred->Empty()) return;
  const DrawingStopwatch stopwatch(&DrawingTime::resolveSeconds);
  const PixelRows rows = Rows();
  deferred->ResolveInto(rows, rows);
  deferred->Clear();
}

PixelRows DeviceContext::Rows() {
  auto* image = static_cast<QImage*>(device);
  return {reinterpret_cast<std::uint32_t*>(image->bits()),
          image->bytesPerLine() / std::ptrdiff_t(sizeof(std::uint32_t)), image->width(), image->height()};
}

bool DeviceContext::WritableArea(PixelRows& rows, QPoint& offset, QRect& area) {
  QPainter* p = Painter();
  QPaintDevice* target = p && p->paintEngine() ? p->paintEngine()->paintDevice() : nullptr;
  if (!target || target->devType() != QInternal::Image) return false;
  auto* image = static_cast<QImage*>(target);
  // Opaque 32-bit pixels read the same in all three formats (a window's
  // backing store is often premultiplied). A shared image would be copied by
  // the first write, away from the painter.
  const QImage::Format format = image->format();
  if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
       format != QImage::Format_ARGB32_Premultiplied) ||
      !image->isDetached()) {
    return false;
  }
  // A window drawn in device pixels undoes the toolkit's scale in doubles:
  // what is left of it is rounding, far below a pixel.
  const QTransform& toDevice = p->deviceTransform();
  constexpr qreal kRounding = 1e-9;
  const auto whole = [](qreal v) { return std::abs(v - std::round(v)) < kRounding; };
  if (toDevice.type() > QTransform::TxScale || std::abs(toDevice.m11() - 1.0) > kRounding ||
      std::abs(toDevice.m22() - 1.0) > kRounding || !whole(toDevice.dx()) || !whole(toDevice.dy())) {
    return false;
  }
  offset = QPoint(int(std::round(toDevice.dx())), int(std::round(toDevice.dy())));
  area = image->rect().translated(-offset);
  if (clipped) {
    if (clip.rectCount() > 1) return false;
    area &= clip.boundingRect();
  }
  // The paint's own region, in the image's coordinates.
  const QRegion& system = p->paintEngine()->systemClip();
  if (system.rectCount() > 1) return false;
  if (!system.isEmpty()) area &= system.boundingRect().translated(-offset);
  rows = {reinterpret_cast<std::uint32_t*>(image->bits()),
          image->bytesPerLine() / std::ptrdiff_t(sizeof(std::uint32_t)), image->width(), image->height()};
  return true;
}

void DeviceContext::DrawPlacedText(const PlacedText& text) {
  QPainter* p = Painter();
  if (!p) return;
  if (textPen.style() == Qt::NoPen || textPen.color() != ToQColor(text.color))
    textPen = QPen(ToQColor(text.color));
  if (text.ownClip) p->setClipRect(text.clip, clipped ? Qt::IntersectClip : Qt::ReplaceClip);
  p->fillRect(text.cells, ToQColor(text.background));  // opaque cells behind the text
  p->setPen(textPen);
  lastText.Draw(*p);
  p->setPen(pen->GetSafeHandle() ? pen->GetSafeHandle()->pen : QPen(Qt::NoPen));
  if (clipped) {
    p->setClipRegion(clip);
  } else if (text.ownClip) {
    p->setClipping(false);
  }
}
