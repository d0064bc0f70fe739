#include "platform/device_context.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace {

constexpr COLORREF kDefaultPenColor = RGB(0, 0, 0);
constexpr COLORREF kDefaultBrushColor = RGB(255, 255, 255);

// Pixels, not shapes: only the colours the program asks for ever appear.
QFont SurfaceFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

bool IsNullImage(QPaintDevice* device) {
  return device->devType() == QInternal::Image && static_cast<QImage*>(device)->isNull();
}

}  // namespace

DeviceContext::DeviceContext() : memory(true) {
  defaultBitmap.m_hObject = new BitmapObject{NewMonochromeImage(), &defaultBitmap, this};
  bitmap = &defaultBitmap;
  device = &defaultBitmap.m_hObject->image;
  defaultPen.m_hObject = new PenObject{QPen(ToQColor(kDefaultPenColor), 1)};
  defaultPen.m_hObject->pen.setCosmetic(true);
  defaultBrush.m_hObject = new BrushObject{QBrush(ToQColor(kDefaultBrushColor))};
  pen = &defaultPen;
  brush = &defaultBrush;
}

DeviceContext::DeviceContext(QPaintDevice* target, const QRegion* region) : DeviceContext() {
  memory = false;
  defaultBitmap.m_hObject->selectedInto = nullptr;
  bitmap = nullptr;
  device = target;
  if (region) {
    clipped = true;
    clip = *region;
  }
}

DeviceContext::~DeviceContext() {
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
  if (qGuiApp) painter.setFont(SurfaceFont());
  if (clipped) painter.setClipRegion(clip);
  painter.setPen(pen->GetSafeHandle() ? pen->GetSafeHandle()->pen : QPen(Qt::NoPen));
  painter.setBrush(brush->GetSafeHandle() ? brush->GetSafeHandle()->brush : QBrush(Qt::NoBrush));
  return &painter;
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
  EndPainting();
  previous->m_hObject->selectedInto = nullptr;
  object->selectedInto = this;
  bitmap = next;
  device = &object->image;
  paintFailed = false;
  return previous;
}

void DeviceContext::DropBitmap(BitmapObject* gone) {
  if (!bitmap || bitmap->m_hObject != gone) return;
  EndPainting();
  gone->selectedInto = nullptr;
  bitmap = &defaultBitmap;
  defaultBitmap.m_hObject->selectedInto = this;
  device = &defaultBitmap.m_hObject->image;
  paintFailed = false;
}
