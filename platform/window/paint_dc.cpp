#include "platform/window/paint_dc.h"

#include "platform/draw/device_context.h"
#include "platform/window/wnd.h"
#include "platform/window/wnd_state.h"
#include "platform/window/wnd_widget.h"

namespace {

// The widget host of a window that is handling a paint event and has no
// paint surface open yet, or null.
WidgetHost* PaintableHost(const CWnd* wnd) {
  WidgetHost* host = HostOf(WidgetOf(wnd));
  return host != nullptr && host->currentPaint != nullptr && !host->inPaint ? host : nullptr;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* wnd) {
  WidgetHost* host = PaintableHost(wnd);
  if (host == nullptr) return;
  m_wnd = wnd;
  host->inPaint = true;
  m_hDC = DeviceContext::ForPaint(WidgetOf(wnd), &host->currentPaint->region());
}

CPaintDC::CPaintDC(ImageSurface& target) {
  m_hDC = DeviceContext::ForPaint(&target.pixels().image, nullptr);
}

CPaintDC::CPaintDC(ImageSurface& target, const Rect& repaintRegion) {
  const QRegion region(repaintRegion.left, repaintRegion.top, repaintRegion.Width(),
                       repaintRegion.Height());
  m_hDC = DeviceContext::ForPaint(&target.pixels().image, &region);
}

CPaintDC::~CPaintDC() {
  DeleteDC();  // the painting ends before the window hears that it is repainted
  if (m_wnd == nullptr) return;
  if (WidgetHost* host = HostOf(WidgetOf(m_wnd))) host->inPaint = false;
}
