#include "platform/draw/bitmap.h"

#include <cstdlib>

#include "platform/draw/drawing_faults.h"
#include "platform/draw/gdi_objects.h"

CBitmap::~CBitmap() { DeleteObject(); }

bool CBitmap::Create(int width, int height, bool monochrome) {
  if (m_hObject || CurrentDrawingFaults().bitmap || width < 0 || height < 0) return false;
  const QImage::Format format = monochrome ? QImage::Format_Mono : QImage::Format_RGB32;
  auto* object = new (std::nothrow) BitmapObject;
  if (!object) return false;
  // GDI gives a 1 x 1 monochrome bitmap for an empty size.
  object->image = width == 0 || height == 0 ? NewMonochromeImage()
                                            : QImage(width, height, format);
  if (object->image.isNull()) {  // out of memory, or beyond what QImage can address
    delete object;
    return false;
  }
  if (object->image.format() == QImage::Format_Mono) {
    object->image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    object->image.fill(0);
  } else {
    object->image.fill(Qt::black);  // a new bitmap starts black, never with stale memory
  }
  object->owner = this;
  m_hObject = object;
  return true;
}

bool CBitmap::DeleteObject() {
  if (m_hObject && m_hObject->selectedInto) m_hObject->selectedInto->DropBitmap(m_hObject);
  return DeleteHandle(m_hObject);
}

CBitmap* CBitmap::FromHandle(HBITMAP handle) { return handle ? handle->owner : nullptr; }

void* CBitmap::operator new(std::size_t size) { return ::operator new(size); }

void* CBitmap::operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (CurrentDrawingFaults().bitmapObject) return nullptr;
  return ::operator new(size, std::nothrow);
}

void CBitmap::operator delete(void* p) noexcept { ::operator delete(p); }
