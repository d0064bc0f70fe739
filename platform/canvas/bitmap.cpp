#include "platform/draw/bitmap.h"

#include <memory>

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
  auto object = std::unique_ptr<BitmapObject>(new (std::nothrow) BitmapObject);
  // An empty size gives the 1 x 1 monochrome bitmap, as on the desktop.
  const bool color = width > 0 && height > 0 && !monochrome;
  if (!object || (color && !object->MakeColor(width, height))) return false;
  object->owner = this;
  m_hObject = object.release();
  return true;
}

bool CBitmap::DeleteObject() { return DeleteHandle(m_hObject); }  // the object leaves its surface itself

CBitmap* CBitmap::FromHandle(HBITMAP handle) { return handle ? handle->owner : nullptr; }

void* CBitmap::operator new(std::size_t size) { return ::operator new(size); }

void* CBitmap::operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return ::operator new(size, std::nothrow);
}

void CBitmap::operator delete(void* p) noexcept { ::operator delete(p); }
