// Start-up as a user meets it: the single-document window with its bars and
// caption, the sockets failure path, command routing, and the About box's
// own modal loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <string>
#include <vector>

#include "app/about_dialog.h"
#include "app/kor_talwind_app.h"
#include "app/kor_talwind_view.h"
#include "platform/core/afx_init.h"
#include "platform/core/message_loop.h"
#include "platform/shell/document.h"
#include "platform/shell/frame_wnd.h"
#include "platform/window/message_box.h"
#include "platform/window/window_handle.h"
#include "platform/window/wnd_state.h"
#include "res/resource.h"
#include "scene/scene_store.h"
#include "tests/support/when_modal.h"

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

}  // namespace
