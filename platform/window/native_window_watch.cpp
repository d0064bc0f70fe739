#include "platform/window/native_window_watch.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>

#include "platform/core/message_loop.h"
// After Qt: the X headers define macros (Bool, Status, None) that clash with Qt's names.
#include "platform/window/x_errors_ignored.h"

// Requests about the window fail once it has been destroyed, quietly: the
// destruction itself arrives as an event and is handled there.

NativeWindowWatch::NativeWindowWatch(NativeWindowId id, QWidget* follower)
    : QObject(follower), id_(id), follower_(follower), display_(XOpenDisplay(nullptr)) {
  if (display_ == nullptr) return;  // checked before the toolkit started: only a vanished server gets here
  const XErrorsIgnored quietly;
  XSelectInput(display_, Window(id_), StructureNotifyMask);
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display_, Window(id_), &attributes) == 0) {
    WentBeforeTheStart();
    return;
  }
  Follow(attributes.width, attributes.height);
  notifier_ = new QSocketNotifier(ConnectionNumber(display_), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &NativeWindowWatch::ReadEvents);
  ReadEvents();  // what the calls above brought in is read already and would not wake the notifier
}

NativeWindowWatch::~NativeWindowWatch() {
  delete notifier_;
  if (display_ == nullptr) return;
  const XErrorsIgnored quietly;
  XCloseDisplay(display_);
}

void NativeWindowWatch::ReadEvents() {
  const XErrorsIgnored quietly;
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    if (event.type == ConfigureNotify && event.xconfigure.window == Window(id_)) {
      Follow(event.xconfigure.width, event.xconfigure.height);
    } else if (event.type == DestroyNotify && event.xdestroywindow.window == Window(id_)) {
      WindowGone();
    }
  }
}

void NativeWindowWatch::Follow(int width, int height) {
  if (follower_ && follower_->size() != QSize(width, height)) follower_->setGeometry(0, 0, width, height);
}

void NativeWindowWatch::WindowGone() {
  // The widget's own window went with it, as children do: nothing is left to draw on.
  PostQuitMessage(0);
}

void NativeWindowWatch::WentBeforeTheStart() {
  // Found before the toolkit started, gone now: as if it had never been there.
  std::fprintf(stderr, "%s: the window 0x%llx went away before it could be drawn into\n",
               QCoreApplication::applicationName().toLocal8Bit().constData(), static_cast<unsigned long long>(id_));
  PostQuitMessage(kUnusableWindowStatus);
}
