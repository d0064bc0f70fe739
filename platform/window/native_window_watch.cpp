#include "platform/window/native_window_watch.h"

#include <QSocketNotifier>

#include "platform/core/message_loop.h"
// After Qt: the X headers define macros (Bool, Status, None) that clash with Qt's names.
#include <X11/Xlib.h>

namespace {

// Requests about a window that has just been destroyed fail on this
// connection: the destruction itself arrives as an event and is handled there.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

NativeWindowWatch::NativeWindowWatch(NativeWindowId id, QWidget* follower)
    : QObject(follower), id_(id), follower_(follower), display_(XOpenDisplay(nullptr)) {
  if (display_ == nullptr) return;  // checked before the toolkit started: only a vanished server gets here
  XSetErrorHandler(IgnoreError);
  XSelectInput(display_, Window(id_), StructureNotifyMask);
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display_, Window(id_), &attributes) == 0) {
    WindowGone();
    return;
  }
  Follow(attributes.width, attributes.height);
  notifier_ = new QSocketNotifier(ConnectionNumber(display_), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &NativeWindowWatch::ReadEvents);
  ReadEvents();  // what the calls above brought in is read already and would not wake the notifier
}

NativeWindowWatch::~NativeWindowWatch() {
  delete notifier_;
  if (display_ != nullptr) XCloseDisplay(display_);
}

void NativeWindowWatch::ReadEvents() {
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
