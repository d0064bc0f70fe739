#include "platform/window/status_tip_filter.h"

#include <QEvent>
#include <QStatusTipEvent>

#include "platform/core/standard_ids.h"
#include "platform/window/wnd.h"

namespace {

class StatusTipFilter : public QObject {
 public:
  StatusTipFilter(QObject* parent, HWND frame) : QObject(parent), frame_(frame) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::StatusTip) return false;
    CWnd* frame = CWnd::FromHandle(frame_);
    if (frame == nullptr) return false;
    const std::string tip = static_cast<QStatusTipEvent*>(event)->tip().toStdString();
    // An empty tip means the pointer or the highlight left the item.
    if (tip.empty()) {
      frame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    } else {
      frame->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(tip.c_str()));
    }
    return true;
  }

 private:
  HWND frame_;
};

}  // namespace

void RouteStatusTips(QWidget* widget, HWND frame) {
  if (widget != nullptr) widget->installEventFilter(new StatusTipFilter(widget, frame));
}
