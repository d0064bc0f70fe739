#pragma once
// Platform-internal: the widgets windows stand on. Each forwards the
// toolkit's events to its window as messages; the window's default
// processing hands the event back to the toolkit's own handler.

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QWidget>

#include "platform/wnd.h"

class WidgetHost {
 public:
  virtual ~WidgetHost() = default;
  // Runs the toolkit's handling of the event behind `message` when that
  // event is the one being forwarded now. False when there is none.
  virtual bool RunToolkitDefault(UINT message) = 0;

  CWnd* wnd = nullptr;  // null once the window has let go of the widget
};

WidgetHost* HostOf(QWidget* widget);

// Makes the widget for a new window and places it in its parent.
QWidget* CreateWndWidget(CWnd* wnd, const CREATESTRUCT& cs, QWidget* parent);

// Tells a window that its widget is being deleted under it.
void WidgetGone(CWnd* wnd);

// Paint entry shared by every widget kind: erase when pending, then WM_PAINT.
void ForwardPaint(CWnd* wnd, QPaintEvent* event);

UINT MouseKeyFlags(const QMouseEvent* event);

template <class Base>
class ForwardingWidget : public Base, public WidgetHost {
 public:
  explicit ForwardingWidget(QWidget* parent) : Base(parent) {}
  ~ForwardingWidget() override {
    if (wnd != nullptr) WidgetGone(wnd);
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
      default: return false;
    }
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (wnd == nullptr) return Base::paintEvent(event);
    Scope scope(this, event, WM_PAINT);
    ForwardPaint(wnd, event);
  }

  void resizeEvent(QResizeEvent* event) override {
    if (wnd == nullptr) return Base::resizeEvent(event);
    Scope scope(this, event, WM_SIZE);
    const UINT type = this->isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED;
    wnd->SendMessage(WM_SIZE, type, MAKELPARAM(event->size().width(), event->size().height()));
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (wnd == nullptr || event->button() != Qt::LeftButton) return Base::mousePressEvent(event);
    Scope scope(this, event, WM_LBUTTONDOWN);
    const QPoint at = event->position().toPoint();
    wnd->SendMessage(WM_LBUTTONDOWN, MouseKeyFlags(event), MAKELPARAM(at.x(), at.y()));
  }

  // Every window class of the framework asks for double-clicks: the second
  // press arrives as WM_LBUTTONDBLCLK, which a window may leave unhandled.
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (wnd == nullptr || event->button() != Qt::LeftButton) return Base::mouseDoubleClickEvent(event);
    Scope scope(this, event, WM_LBUTTONDBLCLK);
    const QPoint at = event->position().toPoint();
    wnd->SendMessage(WM_LBUTTONDBLCLK, MouseKeyFlags(event), MAKELPARAM(at.x(), at.y()));
  }

  // The window decides: its WM_CLOSE default destroys it.
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (wnd != nullptr) wnd->SendMessage(WM_CLOSE);
  }

 private:
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
