#include "platform/draw/brush.h"

#include "platform/canvas/canvas_objects.h"

CBrush::CBrush(COLORREF color) { CreateSolidBrush(color); }

CBrush::~CBrush() { DeleteObject(); }

bool CBrush::CreateSolidBrush(COLORREF color) {
  if (m_hObject) return false;
  m_hObject = new (std::nothrow) BrushObject{PixelOf(color)};
  return m_hObject != nullptr;
}

bool CBrush::DeleteObject() { return DeleteHandle(m_hObject); }
