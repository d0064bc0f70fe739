// The watch over a window that another client made, on a real X server
// (skipped without one; ctest runs it on its own Xvfb): it follows the
// window's size, a window already gone when it starts ends the loop with
// status 2 and one line on stderr, and it leaves Xlib's error handler,
// which is one for the whole process, as it found it.
#include <gtest/gtest.h>

#include <QWidget>
#include <algorithm>
#include <string>

#include "platform/core/message_loop.h"
#include "platform/window/native_window_watch.h"
// After Qt: Xlib's macros clash with Qt's names.
#include <X11/Xlib.h>

namespace {

int OwnHandler(Display*, XErrorEvent*) { return 0; }

// True when the handler in place is OwnHandler; leaves it there.
bool OwnHandlerInPlace() { return XSetErrorHandler(OwnHandler) == OwnHandler; }

TEST(HostWindowTest, FollowedThenGoneBeforeTheStartWithTheErrorHandlerLeftAlone) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) GTEST_SKIP() << "no X server (saver.host_window runs this on one)";
  XSetErrorHandler(OwnHandler);
  const Window host = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 40, 30, 0, 0, 0);
  XSync(display, False);
  QWidget follower;
  {
    const NativeWindowWatch watch(host, &follower);
    EXPECT_EQ(follower.size(), QSize(40, 30));
    EXPECT_TRUE(OwnHandlerInPlace()) << "after the start";
  }
  EXPECT_TRUE(OwnHandlerInPlace()) << "after the end";

  XDestroyWindow(display, host);
  XSync(display, False);
  testing::internal::CaptureStderr();
  { const NativeWindowWatch watch(host, &follower); }
  const std::string said = testing::internal::GetCapturedStderr();
  MSG msg;
  EXPECT_FALSE(GetAndDispatchMessage(&msg));
  EXPECT_EQ(msg.wParam, 2u);
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("went away"), std::string::npos) << said;
  EXPECT_TRUE(OwnHandlerInPlace()) << "after a window gone before the start";
  XSetErrorHandler(nullptr);
  XCloseDisplay(display);
}

}  // namespace
