// Windows on the message layer: maps chain to their base, Default reaches
// the default processing, creation can be refused, and the toolkit's
// events arrive as the messages the program binds (a double-click's second
// press as a double-click).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/window/window_handle.h"
#include "platform/window/wnd.h"
#include "platform/window/wnd_state.h"

namespace {

std::vector<std::string> journal;

class BaseWnd : public CWnd {
 public:
  int createResult = 0;
  void OnBaseCommand() { journal.push_back("base command"); }
  void OnSharedCommand() { journal.push_back("base shared"); }

 protected:
  void OnSize(UINT, int cx, int cy) { journal.push_back("base size " + std::to_string(cx) + "x" + std::to_string(cy)); }
  void OnDestroy() {
    journal.push_back("destroy " + GetWindowText());
    CWnd::OnDestroy();
  }
  void PostNcDestroy() override { journal.push_back("ncdestroy " + name); }

  DECLARE_MESSAGE_MAP()

 public:
  std::string name;
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
  ON_WM_SIZE()
  ON_WM_DESTROY()
  ON_COMMAND(100, OnBaseCommand)
  ON_COMMAND(300, OnSharedCommand)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
 public:
  void OnOwnCommand() { journal.push_back("derived command"); }
  void OnSharedCommand() { journal.push_back("derived shared"); }
  LRESULT defaultResult = 12345;

 protected:
  int OnCreate(LPCREATESTRUCT cs) {
    journal.push_back(std::string("create ") + cs->lpszName + " id " + std::to_string(cs->id));
    if (CWnd::OnCreate(cs) == -1) return -1;
    return createResult;
  }
  BOOL OnEraseBkgnd(CDC* dc) {
    journal.push_back(dc != nullptr ? "erase with dc" : "erase without dc");
    return TRUE;
  }
  void OnPaint() { journal.push_back("paint"); CWnd::OnPaint(); }
  void OnLButtonDown(UINT flags, Point point) {
    journal.push_back("click " + std::to_string(flags) + " at " + std::to_string(point.x) + "," + std::to_string(point.y));
    defaultResult = Default();
  }
  // Bound by no map: seen on its way to the default processing.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_LBUTTONDBLCLK) journal.push_back("double-click " + std::to_string(wParam));
    return BaseWnd::WindowProc(message, wParam, lParam);
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
  ON_WM_CREATE()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_WM_LBUTTONDOWN()
  ON_COMMAND(200, OnOwnCommand)
  ON_COMMAND(300, OnSharedCommand)
END_MESSAGE_MAP()

class WndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    journal.clear();
    parent.name = "parent";
    ASSERT_TRUE(parent.Create(nullptr, "parent", WS_VISIBLE, Rect{0, 0, 200, 100}, nullptr, 1));
    WidgetOf(&parent)->show();
    QApplication::processEvents();
    journal.clear();
  }
  void TearDown() override {
    parent.DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  BaseWnd parent;
};

TEST_F(WndTest, MapsChainToTheBaseAndTheNearestBindingWins) {
  DerivedWnd child;
  ASSERT_TRUE(child.Create(nullptr, "child", WS_CHILD | WS_VISIBLE, Rect{0, 0, 10, 10}, &parent, 7));
  EXPECT_NE(FindMessageEntry(child.GetMessageMap(), WM_CREATE), nullptr);
  EXPECT_NE(FindMessageEntry(child.GetMessageMap(), WM_SIZE), nullptr);     // from the base
  EXPECT_EQ(FindMessageEntry(parent.GetMessageMap(), WM_CREATE), nullptr);  // not the other way

  for (UINT id : {100u, 200u, 300u}) child.SendMessage(WM_COMMAND, id);
  EXPECT_EQ(journal.back(), "derived shared");
  EXPECT_EQ(journal[journal.size() - 3], "base command");
  EXPECT_EQ(journal[journal.size() - 2], "derived command");

  EXPECT_TRUE(child.HasCommandHandler(100));
  EXPECT_TRUE(child.HasCommandHandler(200));
  EXPECT_FALSE(child.HasCommandHandler(400));
  EXPECT_FALSE(parent.HasCommandHandler(200));
}

TEST_F(WndTest, ChildGetsCreateDuringCreateAndCanRefuseIt) {
  DerivedWnd child;
  ASSERT_TRUE(child.Create(nullptr, "first", WS_CHILD, Rect{0, 0, 0, 0}, &parent, 47));
  ASSERT_FALSE(journal.empty());
  EXPECT_EQ(journal.front(), "create first id 47");
  EXPECT_TRUE(IsWindow(child.m_hWnd));
  EXPECT_EQ(child.GetDlgCtrlID(), 47u);
  EXPECT_EQ(child.GetParent(), &parent);

  DerivedWnd refused;
  refused.createResult = -1;
  journal.clear();
  EXPECT_FALSE(refused.Create(nullptr, "second", WS_CHILD, Rect{}, &parent, 48));
  EXPECT_FALSE(IsWindow(refused.m_hWnd));
  EXPECT_EQ(refused.m_hWnd, nullptr);
  EXPECT_EQ(journal, (std::vector<std::string>{"create second id 48", "destroy second", "ncdestroy "}));
}

TEST_F(WndTest, ChildOfADeadParentIsNotCreated) {
  BaseWnd orphanParent;
  DerivedWnd child;
  EXPECT_FALSE(child.Create(nullptr, "x", WS_CHILD, Rect{}, &orphanParent, 1));
  EXPECT_FALSE(child.Create(nullptr, "x", WS_CHILD, Rect{}, nullptr, 1));
}

TEST_F(WndTest, ClientRectFollowsMoveWindowAndSizeCarriesWidthAndHeightAndANewScreen) {
  DerivedWnd child;
  ASSERT_TRUE(child.Create(nullptr, "c", WS_CHILD | WS_VISIBLE, Rect{0, 0, 0, 0}, &parent, 1));
  Rect rect{1, 2, 3, 4};
  child.GetClientRect(&rect);
  EXPECT_EQ(rect, (Rect{0, 0, 0, 0}));
  journal.clear();
  child.MoveWindow(5, 6, 120, 80, TRUE);
  child.GetClientRect(&rect);
  EXPECT_EQ(rect, (Rect{0, 0, 120, 80}));
  EXPECT_NE(std::find(journal.begin(), journal.end(), "base size 120x80"), journal.end());
  // A window in device pixels hears of a new screen as a new size (its
  // ratio may differ); one in the toolkit's pixels keeps its size.
  DerivedWnd device;
  ASSERT_TRUE(device.Create(nullptr, "d", WS_CHILD | WS_VISIBLE | WS_DEVICEPIXELS, Rect{0, 0, 30, 20}, &parent, 2));
  journal.clear();
  QEvent screenChange(QEvent::ScreenChangeInternal);
  QCoreApplication::sendEvent(WidgetOf(&child), &screenChange);
  QCoreApplication::sendEvent(WidgetOf(&device), &screenChange);
  EXPECT_EQ(journal, std::vector<std::string>{"base size 30x20"});
  CWnd never;  // no window made: an empty rectangle
  never.GetClientRect(&rect);
  EXPECT_EQ(rect, (Rect{}));
}

TEST_F(WndTest, InvalidateWithEraseGivesOneEraseThenOnePaint) {
  DerivedWnd child;
  ASSERT_TRUE(child.Create(nullptr, "c", WS_CHILD | WS_VISIBLE, Rect{0, 0, 50, 40}, &parent, 1));
  QApplication::processEvents();
  journal.clear();
  child.InvalidateRect(nullptr, TRUE);
  child.InvalidateRect(nullptr, TRUE);  // merged with the first
  child.UpdateWindow();
  EXPECT_EQ(journal, (std::vector<std::string>{"erase with dc", "paint"}));

  journal.clear();
  child.InvalidateRect(nullptr, FALSE);
  child.UpdateWindow();
  EXPECT_EQ(journal, (std::vector<std::string>{"paint"}));
}

TEST_F(WndTest, LeftPressArrivesWithKeyFlagsAndPointAndDefaultRunsTheToolkit) {
  DerivedWnd child;
  ASSERT_TRUE(child.Create(nullptr, "c", WS_CHILD | WS_VISIBLE, Rect{0, 0, 50, 40}, &parent, 1));
  QWidget* widget = WidgetOf(&child);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(12, 34), widget->mapToGlobal(QPointF(12, 34)), Qt::LeftButton,
                    Qt::LeftButton, Qt::ControlModifier);
  QApplication::sendEvent(widget, &press);
  ASSERT_FALSE(journal.empty());
  EXPECT_EQ(journal.back(), "click " + std::to_string(MK_LBUTTON | MK_CONTROL) + " at 12,34");
  EXPECT_EQ(child.defaultResult, 0);

  QMouseEvent right(QEvent::MouseButtonPress, QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  journal.clear();
  QApplication::sendEvent(widget, &right);
  EXPECT_TRUE(journal.empty());
}

TEST_F(WndTest, SecondPressOfADoubleClickArrivesAsADoubleClickAndSlowClicksAsTwoPresses) {
  DerivedWnd child;
  ASSERT_TRUE(child.Create(nullptr, "c", WS_CHILD | WS_VISIBLE, Rect{0, 0, 50, 40}, &parent, 1));
  QWindow* window = WidgetOf(&parent)->windowHandle();
  ASSERT_NE(window, nullptr);
  journal.clear();
  // The toolkit's clock of mouse events: a double-click's presses fall
  // within the interval, and each click ends it.
  QTest::mouseDClick(window, Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(5, 6));
  const std::string press = "click " + std::to_string(MK_LBUTTON) + " at 5,6";
  std::erase(journal, "paint");  // the window may repaint in between
  EXPECT_EQ(journal, (std::vector<std::string>{press, "double-click " + std::to_string(MK_LBUTTON), press}));
}

TEST_F(WndTest, DestroyTellsParentsFirstAndFreesChildrenFirst) {
  auto* child = new DerivedWnd;
  child->name = "child";
  ASSERT_TRUE(child->Create(nullptr, "child", WS_CHILD, Rect{}, &parent, 1));
  DerivedWnd grandChild;
  grandChild.name = "grandchild";
  ASSERT_TRUE(grandChild.Create(nullptr, "grandchild", WS_CHILD, Rect{}, child, 2));
  journal.clear();
  const HWND handle = child->m_hWnd;
  EXPECT_TRUE(child->DestroyWindow());
  EXPECT_EQ(journal, (std::vector<std::string>{"destroy child", "destroy grandchild", "ncdestroy grandchild",
                                               "ncdestroy child"}));
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_FALSE(IsWindow(grandChild.m_hWnd));
  EXPECT_FALSE(child->DestroyWindow());
  delete child;
  EXPECT_TRUE(IsWindow(parent.m_hWnd));
}

TEST_F(WndTest, CloseDestroysByDefault) {
  BaseWnd top;
  top.name = "top";
  ASSERT_TRUE(top.Create(nullptr, "top", 0, Rect{0, 0, 10, 10}, nullptr, 0));
  journal.clear();
  top.SendMessage(WM_CLOSE);
  EXPECT_FALSE(IsWindow(top.m_hWnd));
  EXPECT_EQ(journal, (std::vector<std::string>{"destroy top", "ncdestroy top"}));
}

}  // namespace
