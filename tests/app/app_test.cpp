// Start-up as a user meets it: the single-document window with its bars and
// caption, the sockets failure path, command routing, and the loops that
// hold the application's own: the About box, open menus, a toolbar drag.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <string>
#include <vector>

#include "app/about_dialog.h"
#include "app/kor_talwind_app.h"
#include "app/kor_talwind_view.h"
#include "pipeline/place_camera.h"
#include "platform/core/afx_init.h"
#include "platform/core/message_loop.h"
#include "platform/core/standard_ids.h"
#include "platform/core/tick_count.h"
#include "platform/shell/document.h"
#include "platform/shell/frame_wnd.h"
#include "platform/window/message_box.h"
#include "platform/window/tracking_loop.h"
#include "platform/window/window_handle.h"
#include "platform/window/wnd_state.h"
#include "scene/scene_store.h"
#include "tests/support/when_modal.h"

void ReplaceApplication();  // main.cpp

namespace {

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScene();
    SetMessageBoxHandler([this](const std::string& text, UINT) {
      boxes.push_back(text);
      return int(IDOK);
    });
  }
  void TearDown() override {
    if (app.m_pMainWnd != nullptr) app.m_pMainWnd->DestroyWindow();
    app.AddDocTemplate(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetMessageBoxHandler({});
    SetSocketInitFailsForTesting(false);
    SetTickCountSource({});
  }
  CKorTalwindApp app;
  std::vector<std::string> boxes;
};

TEST_F(AppTest, SocketsFailureShowsString104AndMakesNoWindow) {
  SetSocketInitFailsForTesting(true);
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(boxes, (std::vector<std::string>{"Windows sockets initialization failed."}));
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(Scene().activeView, nullptr);
}

TEST_F(AppTest, StartsWithAnUntitledDocumentInAFrameWithBarsAndView) {
  ASSERT_TRUE(app.InitInstance());
  ASSERT_NE(app.m_pMainWnd, nullptr);
  auto* frame = static_cast<CFrameWnd*>(app.m_pMainWnd);
  EXPECT_STREQ(frame->GetRuntimeClass()->className, "CMainFrame");
  EXPECT_EQ(frame->GetWindowText(), "Untitled - korTalwind");
  EXPECT_TRUE(frame->IsWindowVisible());

  auto* window = qobject_cast<QMainWindow*>(WidgetOf(frame));
  ASSERT_NE(window, nullptr);
  auto* toolBar = window->findChild<QToolBar*>();
  ASSERT_NE(toolBar, nullptr);
  int buttons = 0;
  for (QAction* action : toolBar->actions()) buttons += !action->isSeparator();
  EXPECT_EQ(buttons, 8);
  EXPECT_FALSE(toolBar->actions().front()->icon().isNull());
  ASSERT_NE(window->statusBar(), nullptr);
  auto* ready = window->statusBar()->findChild<QLabel*>(QStringLiteral("pane0"));
  ASSERT_NE(ready, nullptr);
  EXPECT_EQ(ready->text(), QStringLiteral("Ready"));

  auto* view = static_cast<CKorTalwindView*>(frame->GetActiveView());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(Scene().activeView, view);
  // The template made each part from its class's own run-time information.
  EXPECT_STREQ(view->GetRuntimeClass()->className, "CKorTalwindView");
  ASSERT_NE(view->GetDocument(), nullptr);
  EXPECT_STREQ(view->GetDocument()->GetRuntimeClass()->className, "CKorTalwindDoc");
  QApplication::processEvents();
  Rect viewRect;
  Rect renderRect;
  view->GetClientRect(&viewRect);
  view->RenderWindow().GetClientRect(&renderRect);
  EXPECT_GT(viewRect.Width(), 0);
  EXPECT_EQ(renderRect, viewRect);
}

TEST_F(AppTest, CommandsRouteThroughViewDocumentFrameAndApplication) {
  ASSERT_TRUE(app.InitInstance());
  CWnd* frame = app.m_pMainWnd;
  for (UINT handled : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT, ID_APP_ABOUT}) {
    EXPECT_TRUE(frame->HasCommandHandler(handled)) << handled;
  }
  for (UINT unhandled : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_FILE_PRINT, ID_NEXT_PANE}) {
    EXPECT_FALSE(frame->HasCommandHandler(unhandled)) << unhandled;
  }
}

TEST_F(AppTest, FileNewKeepsTheFrameAndView) {
  ASSERT_TRUE(app.InitInstance());
  CWnd* frame = app.m_pMainWnd;
  CKorTalwindView* view = Scene().activeView;
  frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
  EXPECT_EQ(app.m_pMainWnd, frame);
  EXPECT_EQ(Scene().activeView, view);
  EXPECT_EQ(frame->GetWindowText(), "Untitled - korTalwind");
}

TEST_F(AppTest, AboutRunsItsOwnLoopUntilOk) {
  ASSERT_TRUE(app.InitInstance());
  QString caption;
  kt_test::WhenModalIsUp<QDialog>([&caption](QDialog* box) {
    caption = box->windowTitle();
    for (QPushButton* button : box->findChildren<QPushButton*>()) {
      if (button->text() == QStringLiteral("OK")) button->click();
    }
  });
  CAboutDialog about;
  EXPECT_EQ(about.DoModal(), int(IDOK));
  EXPECT_EQ(caption, QStringLiteral("About korTalwind"));
  EXPECT_FALSE(IsWindow(about.m_hWnd));
}

TEST_F(AppTest, ExitCommandClosesTheFrameAndPostsQuit) {
  ASSERT_TRUE(app.InitInstance());
  app.m_pMainWnd->SendMessage(WM_COMMAND, ID_APP_EXIT);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(Scene().activeView, nullptr);
  EXPECT_FALSE(app.PumpMessage());  // the quit message
  EXPECT_EQ(app.ExitInstance(), 0);
}

TEST_F(AppTest, ClosingTheWindowEndsTheAnimatedRunWithStatus0) {
  ASSERT_TRUE(app.InitInstance());
  QWidget* window = WidgetOf(app.m_pMainWnd);
  // As the window manager's close button does, once the loop has stepped the picture.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, window, [window] {
    if (Scene().camera.altitude != 3000.0) window->close();
  });
  poll.start(10);
  QTimer guard;  // a loop that never steps, or a close that does nothing, fails instead of hanging
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { PostQuitMessage(99); });
  guard.start(10000);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(Scene().activeView, nullptr);
}

bool CameraAt(std::uint32_t tick) {
  Camera expected = Scene().camera;
  PlaceCamera(tick, expected);
  const Camera& c = Scene().camera;
  return c.x == expected.x && c.y == expected.y && c.altitude == expected.altitude;
}

// Something that holds the application's loop, and what lets it go.
struct Hold {
  const char* name;
  std::function<void(QMainWindow*)> begin;
  std::function<void(QMainWindow*)> end;
};

void PrintTo(const Hold& hold, std::ostream* out) { *out << hold.name; }

void ClosePopup(QMainWindow*) {
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

// A point on the toolbar's handle (not its edge), in the frame's coordinates.
QPoint ToolBarHandle(QMainWindow* window) {
  QToolBar* bar = window->findChild<QToolBar*>();
  return bar->mapTo(window, QPoint(5, bar->height() / 2));
}

// The real loop on a stopped clock: once the picture shows the start time,
// the hold begins and the clock jumps far ahead. While it lasts the camera
// must not move; once it ends, the next step shows the new time.
void ExpectHeldUntilReleased(CKorTalwindApp& app, const Hold& hold) {
  // A frame destroyed by an earlier test left its quit message behind.
  MSG stale;
  while (PeekMessage(&stale, nullptr, 0, 0, PM_NOREMOVE) && GetAndDispatchMessage(&stale)) {
  }
  std::uint32_t now = 5000;
  SetTickCountSource([&now] { return now; });
  ASSERT_TRUE(app.InitInstance());
  auto* window = qobject_cast<QMainWindow*>(WidgetOf(app.m_pMainWnd));
  enum class Phase { starting, held, released, done } phase = Phase::starting;
  int heldPolls = 0;
  int movesWhileHeld = 0;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    switch (phase) {
      case Phase::starting:
        if (!CameraAt(now)) return;
        phase = Phase::held;
        // A menu's context loop blocks: begin from a call of its own.
        QTimer::singleShot(0, [&] {
          now += 100000;
          hold.begin(window);
        });
        return;
      case Phase::held:
        movesWhileHeld += CameraAt(now) ? 1 : 0;
        if (++heldPolls < 20) return;
        phase = Phase::released;
        hold.end(window);
        return;
      case Phase::released:
        if (!CameraAt(now)) return;
        phase = Phase::done;
        PostQuitMessage(0);
        return;
      case Phase::done:
        return;
    }
  });
  poll.start(10);
  QTimer guard;  // a hold that never ends fails the test instead of hanging it
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [window] {
    ClosePopup(nullptr);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, ToolBarHandle(window));
    PostQuitMessage(99);
  });
  guard.start(10000);
  EXPECT_EQ(app.Run(), 0);
  EXPECT_EQ(phase, Phase::done);
  EXPECT_EQ(movesWhileHeld, 0);
}

void PressToolBarHandle(QMainWindow* w) { QTest::mousePress(w->windowHandle(), Qt::LeftButton, {}, ToolBarHandle(w)); }

const Hold kToolBarDrag{
    "ToolBarDrag", PressToolBarHandle,
    [](QMainWindow* w) { QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, ToolBarHandle(w)); }};

// Hands every release straight to its receiver, past the application's other
// event filters: the toolkit knows the button is up, but the hold's watch sees
// no release, as when it goes to another client. The toolbar still ends its
// drag, so the toolkit leaves nothing behind.
class ElsewhereFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    watched->event(event);
    return true;
  }
};

class HoldTest : public AppTest, public ::testing::WithParamInterface<Hold> {};

TEST_P(HoldTest, PictureStandsStillUntilTheHoldEnds) { ExpectHeldUntilReleased(app, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    MenusAndDrags, HoldTest,
    ::testing::Values(
        Hold{"MenuBarDropDown",
             [](QMainWindow* w) { w->menuBar()->setActiveAction(w->menuBar()->actions().front()); }, ClosePopup},
        Hold{"ToolBarContextMenu",
             [](QMainWindow* w) {
               QToolBar* bar = w->findChild<QToolBar*>();
               QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), bar->mapToGlobal(QPoint(2, 2)));
               QApplication::sendEvent(bar, &event);
             },
             ClosePopup},
        kToolBarDrag,
        Hold{"ToolBarDragReleasedElsewhere", PressToolBarHandle,
             [](QMainWindow* w) {
               ElsewhereFilter elsewhere;
               qApp->installEventFilter(&elsewhere);  // the last installed sees events first
               QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {}, ToolBarHandle(w));
             }}),
    [](const ::testing::TestParamInfo<Hold>& info) { return std::string(info.param.name); });

// The hold works for each application object of a process, not just the first.
TEST_F(AppTest, ASecondApplicationObjectHoldsToo) {
  EnableTrackingLoops();
  ReplaceApplication();
  ExpectHeldUntilReleased(app, kToolBarDrag);
}

}  // namespace
