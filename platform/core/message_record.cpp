#include "platform/core/message_record.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

UINT MessageOf(const QEvent* event) {
  switch (event->type()) {
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
      return WM_PAINT;
    case QEvent::Timer:
    case QEvent::ZeroTimerEvent:
      return WM_TIMER;
    case QEvent::MouseMove:
      return WM_MOUSEMOVE;
    case QEvent::MouseButtonPress:
      return WM_LBUTTONDOWN;
    case QEvent::MouseButtonDblClick:
      return WM_LBUTTONDBLCLK;
    case QEvent::KeyPress:
      return WM_KEYDOWN;
    case QEvent::Resize:
      return WM_SIZE;
    case QEvent::Close:
      return WM_CLOSE;
    default:
      // A toolkit event with no message of its own: idle work is due after it.
      return WM_USER + UINT(event->type());
  }
}

}  // namespace

bool IsPaintOrTimer(UINT message) {
  return message == WM_PAINT || message == WM_TIMER || message == WM_SYSTIMER;
}

MessageRecord::MessageRecord() { QCoreApplication::instance()->installEventFilter(this); }

MessageRecord& MessageRecord::Instance() {
  static MessageRecord* record = new MessageRecord;  // lives as long as the application object
  return *record;
}

void MessageRecord::BeginPass() {
  summary_ = MSG{};
  sawIdleWorthy_ = false;
}

bool MessageRecord::eventFilter(QObject* watched, QEvent* event) {
  MSG msg;
  msg.message = MessageOf(event);
  if (msg.message == WM_MOUSEMOVE) {
    const QPointF at = static_cast<QMouseEvent*>(event)->globalPosition();
    msg.pt = Point{int(at.x()), int(at.y())};
  }
  // Anything that may need idle work outranks paints and timers in the same pass.
  const bool idleWorthy = !IsPaintOrTimer(msg.message);
  if (idleWorthy || !sawIdleWorthy_) {
    summary_ = msg;
    sawIdleWorthy_ = sawIdleWorthy_ || idleWorthy;
  }
  return QObject::eventFilter(watched, event);
}
