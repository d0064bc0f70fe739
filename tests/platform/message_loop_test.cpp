// The loop services over Qt's queue: the peek leaves messages where they
// are, the pump takes them, the quit message ends the pump once (a quit
// signal cancels the box on screen and any asked after it), and the
// idle-message rule and the framework's idle work behave as the loop expects.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include <csignal>

#include "platform/core/message_loop.h"
#include "platform/core/quit_signals.h"
#include "platform/shell/win_app.h"
#include "platform/window/message_box.h"
#include "tests/support/when_modal.h"

namespace {

// Empties the queue so each test starts with nothing waiting.
void Drain() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (!GetAndDispatchMessage(&msg)) break;
  }
}

TEST(MessageLoopTest, PeekLeavesTheMessageAndThePumpTakesIt) {
  Drain();
  MSG msg;
  EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
  int calls = 0;
  QTimer::singleShot(0, [&calls] { ++calls; });
  // A zero timer is ready at once; asking twice does not run it.
  EXPECT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(calls, 0);
  Drain();
  EXPECT_EQ(calls, 1);
}

TEST(MessageLoopTest, QuitIsTakenOnceWithItsExitCode) {
  Drain();
  PostQuitMessage(3);
  MSG msg;
  EXPECT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_FALSE(GetAndDispatchMessage(&msg));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
  // The quit message is gone: what else waits is ordinary work.
  while (PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    ASSERT_TRUE(GetAndDispatchMessage(&msg));
  }
}

TEST(MessageLoopTest, TimedPumpComesBackWithoutAMessageAndASignalBecomesQuitWithZero) {
  Drain();
  MSG msg;
  EXPECT_TRUE(GetAndDispatchMessageWithin(&msg, 1));  // nothing came: the wait ends all the same
  EXPECT_TRUE(GetAndDispatchMessageWithin(&msg, 0));
  ASSERT_TRUE(QuitOnSignals({SIGHUP}));
  std::raise(SIGHUP);
  // The handler only wrote to the pipe; a pass of the loop turns that into the quit message.
  int passes = 0;
  while (GetAndDispatchMessageWithin(&msg, 1000) && ++passes < 10) {
  }
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 0u);
}

TEST(MessageLoopTest, AQuitSignalCancelsTheBoxOnScreenAndAnyAskedAfterIt) {
  Drain();
  ASSERT_TRUE(QuitOnSignals({SIGHUP}));
  bool closedBySignal = false;
  kt_test::WhenModalIsUp<QMessageBox>([&closedBySignal](QMessageBox* box) {
    std::raise(SIGHUP);
    while (!IsQuitPosted()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    closedBySignal = !box->isVisible();
  });
  EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNOCANCEL), int(IDCANCEL));
  EXPECT_TRUE(closedBySignal);
  int asked = 0;
  SetMessageBoxHandler([&asked](const std::string&, UINT) { return ++asked, int(IDYES); });
  EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNOCANCEL), int(IDCANCEL));
  SetMessageBoxHandler({});
  EXPECT_EQ(asked, 0);
  MSG msg;
  EXPECT_FALSE(GetAndDispatchMessage(&msg));
  EXPECT_EQ(msg.message, WM_QUIT);
}

TEST(MessageLoopTest, PumpRecordsTheMostTellingMessageOfThePass) {
  Drain();
  QTimer timer;
  timer.setSingleShot(true);
  timer.start(1);
  MSG msg;
  ASSERT_TRUE(GetAndDispatchMessage(&msg));  // waits for the timer
  EXPECT_EQ(msg.message, WM_TIMER);
  MSG peeked;
  PeekMessage(&peeked, nullptr, 0, 0, PM_NOREMOVE);
  EXPECT_EQ(peeked.message, WM_TIMER);  // the record is the last message taken
}

TEST(IdleMessageTest, PaintsTimersAndStillMouseMovesDoNotCallForIdleWork) {
  CWinApp app;
  MSG msg;
  for (UINT message : {WM_PAINT, WM_TIMER, WM_SYSTIMER}) {
    msg.message = message;
    EXPECT_FALSE(app.IsIdleMessage(&msg)) << message;
  }
  for (UINT message : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_COMMAND, WM_SIZE, WM_USER + 7}) {
    msg.message = message;
    EXPECT_TRUE(app.IsIdleMessage(&msg)) << message;
  }
  msg.message = WM_MOUSEMOVE;
  msg.pt = {10, 20};
  EXPECT_TRUE(app.IsIdleMessage(&msg));
  EXPECT_FALSE(app.IsIdleMessage(&msg));  // the same place again
  msg.pt = {11, 20};
  EXPECT_TRUE(app.IsIdleMessage(&msg));
}

TEST(IdleMessageTest, FrameworkIdleWorkEndsAfterTheSecondCall) {
  CWinApp app;
  EXPECT_TRUE(app.OnIdle(0));
  EXPECT_FALSE(app.OnIdle(1));
  EXPECT_FALSE(app.OnIdle(2));
  EXPECT_FALSE(app.OnIdle(1000));
}

}  // namespace
