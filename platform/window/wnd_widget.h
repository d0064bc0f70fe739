#pragma once
// Platform-internal: the widgets windows stand on. Each forwards the
// toolkit's events as messages to the window procedure of its window's
// handle; the window's default processing hands the event back to the
// toolkit's own handler. Widgets know handles, never the window classes.

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QWidget>

#include "platform/core/messages.h"
#include "platform/window/window_styles.h"

// How a widget reaches the window standing on it.
struct WindowProcedures {
  LRESULT (*send)(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = nullptr;
  // The widget is being deleted under the live window.
  void (*widgetGone)(HWND hwnd) = nullptr;
};

class WidgetHost {
 public:
  virtual ~WidgetHost() = default;
  // Runs the toolkit's handling of the event behind `message` when that
  // event is the one being forwarded now. False when there is none.
  virtual bool RunToolkitDefault(UINT message) = 0;

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return hwnd != nullptr ? procedures.send(hwnd, message, wParam, lParam) : 0;
  }

  HWND hwnd = nullptr;  // null once the window has let go of the widget
  WindowProcedures procedures;
  // The window asked for WS_DEVICEPIXELS: its client area and its paints are
  // in the screen's own pixels.
  bool devicePixels = false;
  // A paint asked for with erasing: the next paint sends WM_ERASEBKGND first.
  bool erasePending = false;
  QPaintEvent* currentPaint = nullptr;  // set while WM_PAINT for a paint event is dispatched
  bool inPaint = false;                 // while a paint surface is open on the widget
};

WidgetHost* HostOf(QWidget* widget);

// The widget's size and a point in it as its window counts them: in device
// pixels for a window that asked for them, else in the toolkit's own.
QSize ClientSizeOf(const QWidget* widget);
QPoint ClientPointOf(const QWidget* widget, const QPointF& at);

// Makes the widget for a new window and places it in its parent.
QWidget* CreateWndWidget(HWND hwnd, const WindowProcedures& procedures, WidgetKind kind,
                         const CREATESTRUCT& cs, QWidget* parent);

// Paint entry shared by every widget kind: erase when pending, then WM_PAINT.
void ForwardPaint(WidgetHost* host, QPaintEvent* event);

UINT MouseKeyFlags(const QMouseEvent* event);
// WM_KEYDOWN's key.
WPARAM KeyDownCode(const QKeyEvent* event);

template <class Base>
class ForwardingWidget : public Base, public WidgetHost {
 public:
  explicit ForwardingWidget(QWidget* parent) : Base(parent) {}
  ~ForwardingWidget() override {
    if (hwnd != nullptr) procedures.widgetGone(hwnd);
  }

  bool RunToolkitDefault(UINT message) override {
    if (current_ == nullptr || message != currentMessage_) return false;
    switch (message) {
      case WM_PAINT: Base::paintEvent(static_cast<QPaintEvent*>(current_)); return true;
      case WM_SIZE: Base::resizeEvent(static_cast<QResizeEvent*>(current_)); return true;
      case WM_LBUTTONDOWN: Base::mousePressEvent(static_cast<QMouseEvent*>(current_)); return true;
      // What the toolkit does with a press; its own double-click handler
      // would only come back here as a second WM_LBUTTONDOWN.
      case WM_LBUTTONDBLCLK: Base::mousePressEvent(static_cast<QMouseEvent*>(current_)); return true;
      case WM_KEYDOWN: Base::keyPressEvent(static_cast<QKeyEvent*>(current_)); return true;
      default: return false;
    }
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (hwnd == nullptr) return Base::paintEvent(event);
    Scope scope(this, event, WM_PAINT);
    ForwardPaint(this, event);
  }

  void resizeEvent(QResizeEvent* event) override {
    if (hwnd == nullptr) return Base::resizeEvent(event);
    Scope scope(this, event, WM_SIZE);
    SendSize();
  }

  // A window in device pixels changes size when its screen's ratio changes,
  // though the toolkit's own size stays and no resize event comes.
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ScreenChangeInternal && hwnd != nullptr && devicePixels) {
      SendSize();
      this->update();
    }
    return Base::event(event);
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (hwnd == nullptr || event->button() != Qt::LeftButton) return Base::mousePressEvent(event);
    Scope scope(this, event, WM_LBUTTONDOWN);
    const QPoint at = ClientPointOf(this, event->position());
    Send(WM_LBUTTONDOWN, MouseKeyFlags(event), MAKELPARAM(at.x(), at.y()));
  }

  // Every window class of the framework asks for double-clicks: the second
  // press arrives as WM_LBUTTONDBLCLK, which a window may leave unhandled.
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (hwnd == nullptr || event->button() != Qt::LeftButton) return Base::mouseDoubleClickEvent(event);
    Scope scope(this, event, WM_LBUTTONDBLCLK);
    const QPoint at = ClientPointOf(this, event->position());
    Send(WM_LBUTTONDBLCLK, MouseKeyFlags(event), MAKELPARAM(at.x(), at.y()));
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (hwnd == nullptr) return Base::keyPressEvent(event);
    Scope scope(this, event, WM_KEYDOWN);
    Send(WM_KEYDOWN, KeyDownCode(event), 1);  // one press, no repeat count kept
  }

  // The window decides: its WM_CLOSE default destroys it.
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    Send(WM_CLOSE);
  }

 private:
  void SendSize() {
    const QSize size = ClientSizeOf(this);
    Send(WM_SIZE, this->isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED, MAKELPARAM(size.width(), size.height()));
  }

  // Remembers the event being forwarded, so the default processing can run it.
  struct Scope {
    Scope(ForwardingWidget* self, QEvent* event, UINT message)
        : self(self), event(self->current_), message(self->currentMessage_) {
      self->current_ = event;
      self->currentMessage_ = message;
    }
    ~Scope() {
      self->current_ = event;
      self->currentMessage_ = message;
    }
    ForwardingWidget* self;
    QEvent* event;
    UINT message;
  };

  QEvent* current_ = nullptr;
  UINT currentMessage_ = 0;
};
