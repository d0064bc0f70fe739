// The view: known to the pump from construction to destruction, hosting the
// render window over its whole client area except at 0 x 0, never erasing,
// and stepping only while the render window exists.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/kor_talwind_view.h"
#include "platform/core/tick_count.h"
#include "platform/window/window_handle.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScene();
    crt::ResetRandom();
    SetTickCountSource([] { return 0u; });
    ASSERT_TRUE(host.Create(nullptr, "host", 0, Rect{0, 0, 300, 200}, nullptr, 0));
  }
  void TearDown() override {
    host.DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetTickCountSource({});
  }
  // The framework deletes a view when its window goes.
  CKorTalwindView* MakeView() {
    auto* view = new CKorTalwindView;
    EXPECT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, Rect{0, 0, 300, 200}, &host, 1));
    return view;
  }
  Rect RenderRect(CKorTalwindView* view) {
    Rect rect{-1, -1, -1, -1};
    view->RenderWindow().GetClientRect(&rect);
    return rect;
  }
  CWnd host;
};

TEST_F(ViewTest, RegistersWhileItLives) {
  auto* view = new CKorTalwindView;
  EXPECT_EQ(Scene().activeView, view);
  delete view;
  EXPECT_EQ(Scene().activeView, nullptr);
}

TEST_F(ViewTest, StepWithoutARenderWindowChangesNothing) {
  CKorTalwindView view;
  view.Step();
  EXPECT_EQ(Scene().camera.x, 0.0);
  EXPECT_EQ(Scene().camera.altitude, 3000.0);
  EXPECT_EQ(Scene().visibleCount, 0);
}

TEST_F(ViewTest, CreatesTheRenderWindowAsChild47AndStepsIt) {
  CKorTalwindView* view = MakeView();
  CRenderWnd& render = view->RenderWindow();
  ASSERT_TRUE(IsWindow(render.m_hWnd));
  EXPECT_EQ(render.GetDlgCtrlID(), kRenderWindowId);
  EXPECT_EQ(render.GetWindowText(), "Talwind");
  EXPECT_EQ(render.GetParent(), view);
  EXPECT_EQ(Scene().buildingCount, 65);  // the first city came with it
  view->Step();
  EXPECT_EQ(Scene().camera.x, 1000.0);
  EXPECT_EQ(Scene().camera.altitude, 1700.0);
  EXPECT_EQ(view->SendMessage(WM_ERASEBKGND), TRUE);
}

TEST_F(ViewTest, ResizeCoversTheClientAreaButNotAtZeroSize) {
  CKorTalwindView* view = MakeView();
  view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(320, 240));
  EXPECT_EQ(RenderRect(view), (Rect{0, 0, 320, 240}));
  view->SendMessage(WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
  EXPECT_EQ(RenderRect(view), (Rect{0, 0, 320, 240}));
  view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(0, 100));
  view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 0));
  EXPECT_EQ(RenderRect(view), (Rect{0, 0, 320, 240}));
  view->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(1, 1));
  EXPECT_EQ(RenderRect(view), (Rect{0, 0, 1, 1}));
}

TEST_F(ViewTest, DestroyingTheWindowDeletesTheViewAndUnregistersIt) {
  CKorTalwindView* view = MakeView();
  const HWND render = view->RenderWindow().m_hWnd;
  EXPECT_EQ(Scene().activeView, view);
  host.DestroyWindow();
  EXPECT_EQ(Scene().activeView, nullptr);
  EXPECT_FALSE(IsWindow(render));
}

}  // namespace
