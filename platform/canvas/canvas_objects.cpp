#include "platform/canvas/canvas_objects.h"

#include <new>

namespace {

constexpr COLORREF kDefaultPenColor = RGB(0, 0, 0);
constexpr COLORREF kDefaultBrushColor = RGB(255, 255, 255);

}  // namespace

BitmapObject::~BitmapObject() {
  if (selectedInto) selectedInto->DropBitmap(this);
}

bool BitmapObject::MakeColor(int w, int h) {
  try {
    pixels.assign(std::size_t(w) * std::size_t(h), PixelOf(RGB(0, 0, 0)));
  } catch (const std::bad_alloc&) {
    return false;
  }
  width = w;
  height = h;
  monochrome = false;
  return true;
}

CPen& DeviceContext::DefaultPen() {
  static CPen pen(PS_SOLID, 1, kDefaultPenColor);
  return pen;
}

CBrush& DeviceContext::DefaultBrush() {
  static CBrush brush(kDefaultBrushColor);
  return brush;
}

DeviceContext::DeviceContext() : pen(&DefaultPen()), brush(&DefaultBrush()) {
  // Never fails: a context that exists has its default bitmap.
  defaultBitmap.m_hObject = new BitmapObject;
  defaultBitmap.m_hObject->owner = &defaultBitmap;
  defaultBitmap.m_hObject->selectedInto = this;
  bitmap = &defaultBitmap;
  target = defaultBitmap.m_hObject;
}

DeviceContext::DeviceContext(int width, int height, double ratio)
    : memory(false), pixelRatio(ratio), pen(&DefaultPen()), brush(&DefaultBrush()) {
  if (!ownPixels.MakeColor(width, height)) throw std::bad_alloc();
  kept.emplace(width, height);
}

DeviceContext::~DeviceContext() {
  Resolve();  // the bitmap keeps the picture
  target->selectedInto = nullptr;
}

void DeviceContext::Resolve() {
  BitmapObject* pixels = Target();
  if (!kept || kept->Empty() || !pixels) return;
  const PixelRows rows = pixels->Rows();
  kept->ResolveInto(rows, rows);
  kept->Clear();
}

CBitmap* DeviceContext::SelectBitmap(CBitmap* next) {
  if (!memory || !next || !next->GetSafeHandle()) return nullptr;
  BitmapObject* object = next->GetSafeHandle();
  if (object->selectedInto && object->selectedInto != this) return nullptr;
  CBitmap* previous = bitmap;
  if (next == previous) return previous;
  Resolve();
  target->selectedInto = nullptr;
  object->selectedInto = this;
  target = object;
  bitmap = next;
  kept.reset();
  if (Target()) kept.emplace(object->width, object->height);
  return previous;
}

void DeviceContext::DropBitmap(BitmapObject* gone) {
  if (target != gone) return;
  Resolve();
  gone->selectedInto = nullptr;
  bitmap = &defaultBitmap;
  target = defaultBitmap.m_hObject;
  target->selectedInto = this;
  kept.reset();  // the default bitmap is monochrome
}
