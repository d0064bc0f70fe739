#include "platform/window/tracking_loop.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>

#include "platform/core/message_loop.h"

namespace {

const char* const kWatchName = "kt-tracking-watch";

bool HoldsBar(QObject* watched) {
  const auto* bar = qobject_cast<QToolBar*>(watched);
  return bar != nullptr && bar->isMovable();
}

// Watches one application object's menus and toolbars; owned by it, so it
// goes with it, and a later application object gets a watch of its own.
class TrackingWatch : public QObject {
 public:
  explicit TrackingWatch(QCoreApplication* app) : QObject(app) {
    setObjectName(kWatchName);
    app->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
        // A drop-down, a submenu or a context menu appears.
        if (qobject_cast<QMenu*>(watched) != nullptr) PostLoop();
        break;
      case QEvent::MouseButtonPress:
        // Seen once for each widget the press is offered to, child first: it
        // holds the bar only if the bar is the last to be offered it.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
          barHeld_ = HoldsBar(watched);
          if (barHeld_) PostLoop();
        }
        break;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) barHeld_ = false;
        break;
      default:
        break;
    }
    return false;
  }

 private:
  // True while a menu is open or a toolbar is held for dragging. The hold
  // ends once the toolkit no longer reports the button down, whether or not
  // the release came this way: it may have gone to another client.
  bool IsTracking() {
    if (QApplication::activePopupWidget() != nullptr) return true;
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) barHeld_ = false;
    return barHeld_;
  }

  // Dispatches everything that arrives, menus and drags included, and
  // returns once neither is left. It is entered from a posted call, never
  // from inside the event that opened the menu or pressed the bar, so the
  // toolkit finishes that event first.
  void RunLoop() {
    if (loopRunning_) return;
    loopRunning_ = true;
    QEventLoop loop;
    while (IsTracking() && !IsQuitPosted()) loop.processEvents(QEventLoop::WaitForMoreEvents);
    loopRunning_ = false;
  }

  void PostLoop() {
    if (!loopRunning_) QMetaObject::invokeMethod(this, [this] { RunLoop(); }, Qt::QueuedConnection);
  }

  bool barHeld_ = false;  // a left press on a movable toolbar's handle, not yet released
  bool loopRunning_ = false;
};

}  // namespace

void EnableTrackingLoops() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || app->findChild<QObject*>(kWatchName, Qt::FindDirectChildrenOnly) != nullptr) return;
  new TrackingWatch(app);
}
