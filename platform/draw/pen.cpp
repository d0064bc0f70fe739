#include "platform/draw/pen.h"

#include "platform/draw/drawing_faults.h"
#include "platform/draw/gdi_objects.h"

CPen::CPen(int penStyle, int width, COLORREF color) { CreatePen(penStyle, width, color); }

CPen::~CPen() { DeleteObject(); }

bool CPen::CreatePen(int penStyle, int width, COLORREF color) {
  if (m_hObject || CurrentDrawingFaults().pen || penStyle != PS_SOLID) return false;
  // A cosmetic pen stays one pixel wide and takes the raster engine's fast line path.
  QPen pen(ToQColor(color));
  pen.setStyle(Qt::SolidLine);
  pen.setCosmetic(true);
  pen.setWidth(width > 1 ? width : 1);
  pen.setJoinStyle(Qt::MiterJoin);
  m_hObject = new (std::nothrow) PenObject{pen};
  return m_hObject != nullptr;
}

bool CPen::DeleteObject() { return DeleteHandle(m_hObject); }
