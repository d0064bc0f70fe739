#include "platform/window/tracking_loop.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>

namespace {

bool barHeld = false;  // a left press on a movable toolbar's handle, not yet released
bool loopRunning = false;

// True while a menu is open or a toolbar is held for dragging.
bool IsTracking() {
  if (QApplication::activePopupWidget() != nullptr) return true;
  return barHeld && (QGuiApplication::mouseButtons() & Qt::LeftButton);
}

// Dispatches everything that arrives, menus and drags included, and returns
// once neither is left. It is entered from a posted call, never from inside
// the event that opened the menu or pressed the bar, so the toolkit finishes
// that event first.
void RunTrackingLoop() {
  if (loopRunning) return;
  loopRunning = true;
  QEventLoop loop;
  while (IsTracking()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  loopRunning = false;
}

void PostTrackingLoop() {
  if (!loopRunning) QMetaObject::invokeMethod(qApp, &RunTrackingLoop, Qt::QueuedConnection);
}

bool HoldsBar(QObject* watched) {
  const auto* bar = qobject_cast<QToolBar*>(watched);
  return bar != nullptr && bar->isMovable();
}

class TrackingWatch : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Show:
        // A drop-down, a submenu or a context menu appears.
        if (qobject_cast<QMenu*>(watched) != nullptr) PostTrackingLoop();
        break;
      case QEvent::MouseButtonPress:
        // Seen once for each widget the press is offered to, child first: it
        // holds the bar only if the bar is the last to be offered it.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
          barHeld = HoldsBar(watched);
          if (barHeld) PostTrackingLoop();
        }
        break;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) barHeld = false;
        break;
      default:
        break;
    }
    return false;
  }
};

}  // namespace

void EnableTrackingLoops() {
  static TrackingWatch* watch = nullptr;
  if (watch != nullptr || qApp == nullptr) return;
  watch = new TrackingWatch;  // lives as long as the application object
  qApp->installEventFilter(watch);
}
