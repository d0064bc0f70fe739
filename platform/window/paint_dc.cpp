#include "platform/window/paint_dc.h"

#include <cmath>

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

// A region of logical pixels as the device pixels it touches.
QRegion DeviceRegion(const QRegion& logical, double ratio) {
  QRegion device;
  for (const QRect& r : logical) {
    const QPoint from(int(std::floor(r.left() * ratio)), int(std::floor(r.top() * ratio)));
    const QPoint to(int(std::ceil((r.right() + 1) * ratio)), int(std::ceil((r.bottom() + 1) * ratio)));
    device += QRect(from, to - QPoint(1, 1));
  }
  return device;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* wnd) {
  WidgetHost* host = PaintableHost(wnd);
  if (host == nullptr) return;
  m_wnd = wnd;
  host->inPaint = true;
  QWidget* widget = WidgetOf(wnd);
  if (!host->devicePixels) {
    m_hDC = DeviceContext::ForPaint(widget, &host->currentPaint->region());
    return;
  }
  const double ratio = widget->devicePixelRatioF();
  const QRegion region = DeviceRegion(host->currentPaint->region(), ratio);
  m_hDC = DeviceContext::ForPaint(widget, &region);
  if (m_hDC == nullptr) return;
  m_hDC->devicePixels = true;
  m_hDC->pixelRatio = ratio;
}

CPaintDC::CPaintDC(ImageSurface& target) {
  m_hDC = DeviceContext::ForPaint(&target.pixels().image, nullptr);
  if (m_hDC) m_hDC->pixelRatio = target.PixelRatio();
}

CPaintDC::CPaintDC(ImageSurface& target, const Rect& repaintRegion) {
  const QRegion region(repaintRegion.left, repaintRegion.top, repaintRegion.Width(),
                       repaintRegion.Height());
  m_hDC = DeviceContext::ForPaint(&target.pixels().image, &region);
  if (m_hDC) m_hDC->pixelRatio = target.PixelRatio();
}

CPaintDC::~CPaintDC() {
  DeleteDC();  // the painting ends before the window hears that it is repainted
  if (m_wnd == nullptr) return;
  if (WidgetHost* host = HostOf(WidgetOf(m_wnd))) host->inPaint = false;
}
