#include "platform/paint_dc.h"

#include "platform/device_context.h"

CPaintDC::CPaintDC(ImageSurface& target) {
  m_hDC = DeviceContext::ForPaint(&target.impl().image, nullptr);
}

CPaintDC::CPaintDC(ImageSurface& target, const Rect& repaintRegion) {
  const QRegion region(repaintRegion.left, repaintRegion.top, repaintRegion.Width(),
                       repaintRegion.Height());
  m_hDC = DeviceContext::ForPaint(&target.impl().image, &region);
}

CPaintDC::~CPaintDC() {
  DeleteDC();  // the painting ends before the window hears that it is repainted
  if (m_endPaint) m_endPaint(m_wnd);
}
