#include "platform/draw/pen.h"

#include "platform/canvas/canvas_objects.h"

CPen::CPen(int penStyle, int width, COLORREF color) { CreatePen(penStyle, width, color); }

CPen::~CPen() { DeleteObject(); }

bool CPen::CreatePen(int penStyle, int width, COLORREF color) {
  if (m_hObject || penStyle != PS_SOLID) return false;
  m_hObject = new (std::nothrow) PenObject{PixelOf(color), width > 1 ? width : 1};
  return m_hObject != nullptr;
}

bool CPen::DeleteObject() { return DeleteHandle(m_hObject); }
