#include "platform/draw/brush.h"

#include "platform/draw/drawing_faults.h"
#include "platform/draw/gdi_objects.h"

CBrush::CBrush(COLORREF color) { CreateSolidBrush(color); }

CBrush::~CBrush() { DeleteObject(); }

bool CBrush::CreateSolidBrush(COLORREF color) {
  if (m_hObject || CurrentDrawingFaults().brush) return false;
  m_hObject = new (std::nothrow) BrushObject{QBrush(ToQColor(color))};
  return m_hObject != nullptr;
}

bool CBrush::DeleteObject() { return DeleteHandle(m_hObject); }
