#pragma once
// Platform-internal: keeps a widget inside an X11 window that someone else
// made at that window's size, and ends the loop (status 0) when that window
// is destroyed; a window already gone when the watch starts ends it with
// kUnusableWindowStatus and one line on stderr. It listens on an X11
// connection of its own.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/window/native_window.h"

class QSocketNotifier;
struct _XDisplay;

class NativeWindowWatch : public QObject {
 public:
  // A child of follower, which it sizes to the window now and on every change.
  NativeWindowWatch(NativeWindowId id, QWidget* follower);
  ~NativeWindowWatch() override;

 private:
  void ReadEvents();
  void Follow(int width, int height);
  void WindowGone();
  void WentBeforeTheStart();

  NativeWindowId id_;
  QPointer<QWidget> follower_;
  _XDisplay* display_ = nullptr;
  QSocketNotifier* notifier_ = nullptr;  // a child of this
};
