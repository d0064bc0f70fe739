// Whole frames on a real surface: ground, roads, quadrilaterals far to near
// with their shades and outlines, the overlay line, and the meter.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/core/tick_count.h"
#include "tests/support/drawing_census.h"
#include "platform/draw/drawing_faults.h"
#include "render/back_buffer.h"
#include "render/frame_compose.h"
#include "render/frame_meter.h"
#include "render/frame_paint.h"
#include "render/overlay_text.h"
#include "render/road_grid.h"
#include "scene/scene_store.h"
#include "tests/platform/drawing_test_support.h"

namespace {

constexpr Rect k800x600{0, 0, 800, 600};
constexpr COLORREF kOutline = RGB(96, 0, 0);

std::string Overlay(OverlayFigures figures) {
  char text[kOverlayBufferSize];
  FormatOverlay(text, sizeof text, figures);
  return text;
}

// A square quadrilateral with the given shade, appended to the store.
void AddSquare(int left, int top, int side, int shade) {
  SceneStore& s = Scene();
  const Point corners[4] = {{left, top}, {left + side, top}, {left + side, top + side}, {left, top + side}};
  for (const Point& p : corners) {
    s.polygonPoints[s.pointCount] = p;
    s.polygonShade[s.pointCount++] = shade;
  }
}

class FramePaint : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScene();
    ResetBackBuffer();
    SetTickCountSource([this] { return tick; });
    Scene().camera = Camera{0, 0, 1000, 1.0};
  }
  void TearDown() override {
    SetDrawingFaults({});
    SetTickCountSource({});
    ResetBackBuffer();
  }
  std::unique_ptr<ImageSurface> Paint(const Rect& client = k800x600) {
    auto window = std::make_unique<ImageSurface>(client.right, client.bottom);
    CPaintDC dc(*window);
    PaintFrame(dc, client);
    return window;
  }
  std::uint32_t tick = 0;
};

TEST_F(FramePaint, GroundRoadsAndEveryShadeWithItsOutline) {
  const int lefts[5] = {150, 250, 450, 550, 150};
  const int tops[5] = {100, 100, 100, 100, 400};
  for (int shade = 0; shade < 5; ++shade) AddSquare(lefts[shade], tops[shade], 40, shade);
  auto frame = Paint();
  for (int shade = 0; shade < 5; ++shade)
    EXPECT_EQ(frame->Pixel(lefts[shade] + 20, tops[shade] + 20), shadeColors[shade]) << shade;
  EXPECT_EQ(frame->Pixel(150, 120), kOutline);
  EXPECT_EQ(frame->Pixel(170, 100), kOutline);
  EXPECT_EQ(frame->Pixel(300, 200), kGroundColor);
  EXPECT_EQ(frame->Pixel(100, 200), kRoadColor);
  EXPECT_EQ(frame->Pixel(300, 597), kRoadColor);
}

TEST_F(FramePaint, NearerQuadrilateralsCoverFartherOnesAndOnlyTheFirstShadeCounts) {
  AddSquare(200, 200, 60, 3);
  AddSquare(230, 230, 60, 4);
  Scene().polygonShade[5] = 0;  // not a first point: ignored
  auto frame = Paint();
  EXPECT_EQ(frame->Pixel(210, 210), shadeColors[3]);
  EXPECT_EQ(frame->Pixel(250, 250), shadeColors[4]);
  EXPECT_EQ(frame->Pixel(280, 280), shadeColors[4]);
}

TEST_F(FramePaint, OverlayTextSitsTopLeftOnTheColourOfTheLastFill) {
  auto roads = Paint();
  // Rows 6 to 9 lie below the road band but inside the text line: its cells
  // carry the road colour, the last fill of the frame.
  std::set<COLORREF> cells;
  for (int y = 6; y < 10; ++y)
    for (int x = 0; x < 120; ++x) cells.insert(roads->Pixel(x, y));
  EXPECT_EQ(cells, (std::set<COLORREF>{kRoadColor, kOverlayTextColor}));
  EXPECT_EQ(roads->Pixel(790, 8), kGroundColor);

  Scene().camera = Camera{500, 500, 300, 1.0};  // every band skipped
  auto ground = Paint();
  std::set<COLORREF> top;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 120; ++x) top.insert(ground->Pixel(x, y));
  EXPECT_EQ(top, (std::set<COLORREF>{kGroundColor, kOverlayTextColor}));
}

TEST_F(FramePaint, APaintDrawsAtTheCurrentSizeAndOnlyInsideTheRepaintedRegion) {
  Paint();
  auto small = Paint({0, 0, 300, 200});
  EXPECT_EQ(CurrentBackBuffer().backRect, (Rect{0, 0, 300, 200}));
  EXPECT_EQ(small->Pixel(120, 150), kGroundColor);
  EXPECT_EQ(small->Pixel(150, 150), kRoadColor);

  ImageSurface window(300, 200);
  {
    CPaintDC dc(window, Rect{100, 100, 200, 150});
    PaintFrame(dc, {0, 0, 300, 200});
  }
  EXPECT_EQ(window.Pixel(120, 120), kGroundColor);
  EXPECT_EQ(window.Pixel(99, 120), RGB(0, 0, 0));
  EXPECT_EQ(window.Pixel(120, 150), RGB(0, 0, 0));
}

TEST(OverlayText, FieldsAreThreeWideAndWiderNumbersPrintInFull) {
  EXPECT_EQ(Overlay({24, 37, 111, 0}), "FPS: 24, #Visible: 37, #numPolys:111  #collisions:  0");
  EXPECT_EQ(Overlay({0, 0, 0, 0}), "FPS:  0, #Visible:  0, #numPolys:  0  #collisions:  0");
  EXPECT_EQ(Overlay({1234, 100, 300, -5}), "FPS:1234, #Visible:100, #numPolys:300  #collisions: -5");
  char tiny[8];
  EXPECT_EQ(FormatOverlay(tiny, sizeof tiny, {1, 2, 3, 4}), 53);  // cut short, never overrun
  EXPECT_STREQ(tiny, "FPS:  1");
}

TEST_F(FramePaint, TheOverlayShowsTheRateFromBeforeThisPaintsMeterUpdate) {
  const auto textArea = [](const ImageSurface& frame) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 120; ++x) pixels.push_back(frame.Pixel(x, y));
    return pixels;
  };
  Scene().shownFps = 7;
  auto open = Paint();  // tick 0: the sample stays open
  tick = 5000;
  auto closing = Paint();  // closes the sample after drawing
  EXPECT_EQ(Scene().shownFps, 2);
  auto after = Paint();
  EXPECT_EQ(textArea(*closing), textArea(*open));
  EXPECT_NE(textArea(*after), textArea(*open));
}

TEST_F(FramePaint, TheMeterClosesAtOneThousandMillisecondsNotNineHundredNinetyNine) {
  Scene().fpsWindowStart = 0;
  tick = 999;
  Paint();
  EXPECT_EQ(Scene().framesThisSecond, 1);
  EXPECT_EQ(Scene().shownFps, 0);
  tick = 1000;
  Paint();
  EXPECT_EQ(Scene().shownFps, 2);
  EXPECT_EQ(Scene().framesThisSecond, 0);
  EXPECT_EQ(Scene().fpsWindowStart, 1000u);
}

TEST_F(FramePaint, TheMeterSurvivesTheTickWrapAndRestartsFromAFreshReading) {
  Scene().fpsWindowStart = 0xFFFFFF00u;
  std::uint32_t reading = 0x000002E7u;  // 999 ms after the start, across the wrap
  SetTickCountSource([&reading] { return reading++; });
  CountPaintForMeter();  // reads 999: stays open
  EXPECT_EQ(Scene().shownFps, 0);
  CountPaintForMeter();  // reads 1000: closes, then restarts at the next reading
  EXPECT_EQ(Scene().shownFps, 2);
  EXPECT_EQ(Scene().fpsWindowStart, 0x000002E9u);
}

TEST_F(FramePaint, APaintWithoutBackBufferCountsButDrawsNothing) {
  SetDrawingFaults({.surfaceObject = true});
  auto frame = Paint();
  EXPECT_EQ(Scene().framesThisSecond, 1);
  EXPECT_EQ(ColoursIn(*frame), std::set<COLORREF>{RGB(0, 0, 0)});
}

TEST_F(FramePaint, APenOrBrushThatCannotBeMadeAbandonsThePaintUncounted) {
  for (DrawingFaults faults : {DrawingFaults{.pen = true}, DrawingFaults{.brush = true}}) {
    const DrawingCensus before = LiveDrawingObjects();
    SetDrawingFaults(faults);
    auto frame = Paint();
    EXPECT_EQ(Scene().framesThisSecond, 0);
    EXPECT_EQ(CurrentBackBuffer().backDC, nullptr);
    EXPECT_EQ(LiveDrawingObjects().pens, before.pens);
    EXPECT_EQ(LiveDrawingObjects().brushes, before.brushes);
  }
}

// Composing without a window: what a surface of its own (the browser's) does.
TEST_F(FramePaint, ComposingWithoutItsPensDrawsNothingAndTheHiddenLineNothingOfTheText) {
  constexpr Rect kSmall{0, 0, 80, 60};
  constexpr COLORREF kBefore = RGB(1, 2, 3);
  for (DrawingFaults faults : {DrawingFaults{.pen = true}, DrawingFaults{.brush = true}}) {
    MemorySurface s(kSmall.right, kSmall.bottom);
    s.dc.FillSolidRect(kSmall, kBefore);
    const DrawingCensus before = LiveDrawingObjects();
    SetDrawingFaults(faults);
    EXPECT_FALSE(ComposeFrame(s.dc, kSmall, StatisticsLine::shown));
    SetDrawingFaults({});
    EXPECT_EQ(ColoursIn(*s.Snapshot()), std::set<COLORREF>{kBefore});
    EXPECT_EQ(LiveDrawingObjects().pens, before.pens);
    EXPECT_EQ(LiveDrawingObjects().brushes, before.brushes);
  }
  MemorySurface s(kSmall.right, kSmall.bottom);
  EXPECT_TRUE(ComposeFrame(s.dc, kSmall, StatisticsLine::hidden));
  EXPECT_EQ(ColoursIn(*s.Snapshot()), (std::set<COLORREF>{kGroundColor, kRoadColor}));
  EXPECT_EQ(Scene().framesThisSecond, 0);  // the window's paint counts, not the composition
}

}  // namespace
