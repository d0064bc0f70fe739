#include "platform/draw/bitmap.h"

#include "platform/canvas/canvas_objects.h"
#include "platform/draw/dc.h"

CBitmap::~CBitmap() { DeleteObject(); }

bool CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  HDC context = dc ? dc->GetSafeHdc() : nullptr;
  if (dc && !context) return false;
  // A memory surface's format is that of its selected bitmap; anything else
  // draws in colour.
  return Create(width, height, context && context->memory && context->target->monochrome);
}

bool CBitmap::Create(int width, int height, bool monochrome) {
  if (m_hObject || width < 0 || height < 0) return false;
  auto* object = new (std::nothrow) BitmapObject;
  if (!object) return false;
  // An empty size gives the 1 x 1 monochrome bitmap, as on the desktop.
  if (width > 0 && height > 0 && !monochrome) {
    object->width = width;
    object->height = height;
    object->monochrome = false;
    try {
      object->pixels.assign(std::size_t(width) * std::size_t(height), PixelOf(RGB(0, 0, 0)));
    } catch (const std::bad_alloc&) {
      delete object;
      return false;
    }
  }
  object->owner = this;
  m_hObject = object;
  return true;
}

bool CBitmap::DeleteObject() {
  if (!m_hObject) return false;
  if (m_hObject->selectedInto) m_hObject->selectedInto->DropBitmap(m_hObject);
  delete m_hObject;
  m_hObject = nullptr;
  return true;
}

CBitmap* CBitmap::FromHandle(HBITMAP handle) { return handle ? handle->owner : nullptr; }

void* CBitmap::operator new(std::size_t size) { return ::operator new(size); }

void* CBitmap::operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return ::operator new(size, std::nothrow);
}

void CBitmap::operator delete(void* p) noexcept { ::operator delete(p); }
