// The render window: the first city on creation, a reseeded city on each
// click (none on a double-click's second press) shown only from the next step, steps that follow the clock and ask
// for one erase-free repaint, and a back buffer freed exactly once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "platform/core/tick_count.h"
#include "tests/support/drawing_census.h"
#include "platform/window/window_handle.h"
#include "platform/window/wnd_state.h"
#include "platform/window/wnd_widget.h"
#include "render/back_buffer.h"
#include "render/render_wnd.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

constexpr int kFirstCityBuildings = 65;

std::vector<Building> Buildings() {
  const SceneStore& scene = Scene();
  return {scene.buildings.begin(), scene.buildings.begin() + scene.buildingCount};
}

bool SameCity(const std::vector<Building>& a, const std::vector<Building>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const Building& x, const Building& y) {
           return x.centreX == y.centreX && x.centreY == y.centreY && x.height == y.height && x.width == y.width &&
                  x.depth == y.depth;
         });
}

class RenderWndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScene();
    crt::ResetRandom();
    ResetBackBuffer();
    SetTickCountSource([this] { return tick; });
    ASSERT_TRUE(host.Create(nullptr, "host", 0, Rect{0, 0, 160, 120}, nullptr, 0));
    WidgetOf(&host)->show();
    baseline = LiveDrawingObjects();
  }
  void TearDown() override {
    render.DestroyWindow();
    host.DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetTickCountSource({});
    ResetBackBuffer();
  }
  void CreateRender() {
    ASSERT_TRUE(render.Create(nullptr, "Talwind", WS_CHILD | WS_VISIBLE, Rect{0, 0, 0, 0}, &host, 47));
    render.MoveWindow(0, 0, 160, 120, TRUE);
  }
  void Click() { render.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }

  std::uint32_t tick = 0;
  CWnd host;
  CRenderWnd render;
  DrawingCensus baseline;
};

TEST_F(RenderWndTest, CreationBuildsTheUnseededFirstCity) {
  CreateRender();
  EXPECT_EQ(Scene().buildingCount, kFirstCityBuildings);
  EXPECT_EQ(Scene().buildings[0].centreX, 250.0);
  EXPECT_EQ(Scene().buildings[0].centreY, -250.0);
}

TEST_F(RenderWndTest, ClicksAtTheSameTickGiveTheSameCityAndNeverContinueTheSequence) {
  CreateRender();
  const std::vector<Building> first = Buildings();
  tick = 123456;
  Click();
  const std::vector<Building> afterClick = Buildings();
  EXPECT_FALSE(SameCity(first, afterClick));
  Click();  // same tick: reseeded, not continued
  EXPECT_TRUE(SameCity(afterClick, Buildings()));
  tick = 123500;
  render.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));  // a double-click builds no second city
  EXPECT_TRUE(SameCity(afterClick, Buildings()));
  tick = 123457;
  Click();
  EXPECT_FALSE(SameCity(afterClick, Buildings()));
}

TEST_F(RenderWndTest, ClickChangesNoGeometryUntilTheNextStep) {
  CreateRender();
  tick = 4000;
  render.StepFrame();
  const std::int32_t points = Scene().pointCount;
  const auto firstPoint = Scene().polygonPoints[0];
  tick = 777;
  Click();
  EXPECT_EQ(Scene().pointCount, points);
  EXPECT_EQ(Scene().polygonPoints[0], firstPoint);
}

TEST_F(RenderWndTest, StepPlacesTheCameraFromTheClockAndRepaintsWithoutErasing) {
  CreateRender();
  QApplication::processEvents();
  tick = 0;
  render.StepFrame();
  EXPECT_EQ(Scene().camera.x, 1000.0);
  EXPECT_EQ(Scene().camera.y, 1000.0);
  EXPECT_EQ(Scene().camera.altitude, 1700.0);
  EXPECT_GT(Scene().visibleCount, 0);
  EXPECT_EQ(HostOf(WidgetOf(&render))->erasePending, true);
  const std::int32_t framesBefore = Scene().framesThisSecond + Scene().shownFps;
  render.UpdateWindow();
  EXPECT_FALSE(HostOf(WidgetOf(&render))->erasePending);
  EXPECT_EQ(Scene().framesThisSecond + Scene().shownFps, framesBefore + 1);  // one paint counted
  EXPECT_EQ(render.SendMessage(WM_ERASEBKGND), TRUE);
}

TEST_F(RenderWndTest, PaintedPictureCoversTheWindowAndDestroyFreesTheBackBufferOnce) {
  CreateRender();
  QApplication::processEvents();
  tick = 4000;
  render.StepFrame();
  render.UpdateWindow();
  ASSERT_NE(CurrentBackBuffer().backDC, nullptr);
  EXPECT_EQ(CurrentBackBuffer().backRect, (Rect{0, 0, 160, 120}));
  EXPECT_NE(LiveDrawingObjects(), baseline);
  render.DestroyWindow();
  EXPECT_EQ(CurrentBackBuffer().backDC, nullptr);
  EXPECT_EQ(LiveDrawingObjects(), baseline);  // freed, and not twice (the census would go below)
}

TEST_F(RenderWndTest, DestroyWithoutAPaintLeavesTheBackBufferAlone) {
  CreateRender();
  render.DestroyWindow();
  EXPECT_EQ(CurrentBackBuffer().backDC, nullptr);
  EXPECT_EQ(CurrentBackBuffer().backRect, (Rect{}));
  EXPECT_EQ(LiveDrawingObjects(), baseline);
  EXPECT_FALSE(IsWindow(render.m_hWnd));
}

}  // namespace
