// Kept apart from paint_dc.cpp so that programs painting only images never
// need the window layer to link.
#include "platform/device_context.h"
#include "platform/paint_dc.h"
#include "platform/window_paint_bridge.h"

CPaintDC::CPaintDC(CWnd* wnd) {
  if (!wnd) return;
  m_wnd = wnd;
  m_endPaint = &EndWindowPaint;
  const WindowPaintTarget target = BeginWindowPaint(wnd);
  if (target.device) m_hDC = DeviceContext::ForPaint(target.device, &target.region);
}
