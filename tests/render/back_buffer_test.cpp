// The back buffer's life: built once per size, reused wherever the window
// lies, rebuilt on any change of width or height, freed exactly once, and
// each creation failure leaving the state the paint expects.
#include <gtest/gtest.h>

#include "tests/support/drawing_census.h"
#include "platform/draw/drawing_faults.h"
#include "render/back_buffer.h"
#include "tests/platform/drawing_test_support.h"

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);

class BackBufferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetBackBuffer();
    baseline = LiveDrawingObjects();
  }
  void TearDown() override {
    SetDrawingFaults({});
    ResetBackBuffer();
    EXPECT_EQ(LiveDrawingObjects(), baseline);
  }
  // Memory contexts and colour bitmaps beyond what the test fixture holds.
  int ExtraContexts() const { return LiveDrawingObjects().contexts - baseline.contexts; }
  int ExtraBitmaps() const { return LiveDrawingObjects().bitmaps - baseline.bitmaps; }

  ImageSurface screen{64, 48};
  CPaintDC paint{screen};
  DrawingCensus baseline;
};

TEST_F(BackBufferTest, SameSizeReusesTheSurfaceWhereverTheRectangleLies) {
  CDC* first = AcquireBackBuffer(paint, {0, 0, 64, 48});
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(AcquireBackBuffer(paint, {0, 0, 64, 48}), first);
  EXPECT_EQ(AcquireBackBuffer(paint, {10, 20, 74, 68}), first);
  EXPECT_EQ(CurrentBackBuffer().backRect, (Rect{0, 0, 64, 48}));
  EXPECT_EQ(ExtraContexts(), 1);
  EXPECT_EQ(ExtraBitmaps(), 2);  // ours and the context's default
}

TEST_F(BackBufferTest, AChangeOfWidthOnlyOrHeightOnlyRebuilds) {
  AcquireBackBuffer(paint, {0, 0, 64, 48});
  AcquireBackBuffer(paint, {0, 0, 63, 48});
  EXPECT_NE(CurrentBackBuffer().backBitmap, nullptr);
  EXPECT_EQ(CurrentBackBuffer().backRect, (Rect{0, 0, 63, 48}));
  EXPECT_EQ(ExtraContexts(), 1);  // the old one went first
  AcquireBackBuffer(paint, {0, 0, 63, 47});
  EXPECT_EQ(CurrentBackBuffer().backRect, (Rect{0, 0, 63, 47}));
  EXPECT_EQ(ExtraContexts(), 1);
  EXPECT_EQ(ExtraBitmaps(), 2);
}

TEST_F(BackBufferTest, TheBitmapMatchesTheClientSizeInColour) {
  CDC* back = AcquireBackBuffer(paint, {0, 0, 30, 20});
  back->FillSolidRect({0, 0, 64, 48}, kRed);
  paint.BitBlt(0, 0, 64, 48, back, 0, 0, SRCCOPY);
  EXPECT_EQ(screen.Pixel(29, 19), kRed);
  EXPECT_EQ(screen.Pixel(30, 19), RGB(0, 0, 0));
  EXPECT_EQ(screen.Pixel(29, 20), RGB(0, 0, 0));
}

TEST_F(BackBufferTest, ReleasingTwiceFreesOnceAndKeepsTheRectangle) {
  AcquireBackBuffer(paint, {0, 0, 64, 48});
  ReleaseBackBuffer();
  EXPECT_EQ(CurrentBackBuffer().backDC, nullptr);
  EXPECT_EQ(CurrentBackBuffer().backBitmap, nullptr);
  EXPECT_EQ(LiveDrawingObjects(), baseline);
  ReleaseBackBuffer();
  EXPECT_EQ(LiveDrawingObjects(), baseline);
  EXPECT_EQ(CurrentBackBuffer().backRect, (Rect{0, 0, 64, 48}));
  EXPECT_NE(AcquireBackBuffer(paint, {0, 0, 64, 48}), nullptr);  // same size: built again
}

TEST_F(BackBufferTest, NoSurfaceObjectGivesNullAndTheNextPaintTriesAgain) {
  SetDrawingFaults({.surfaceObject = true});
  EXPECT_EQ(AcquireBackBuffer(paint, {0, 0, 64, 48}), nullptr);
  SetDrawingFaults({});
  EXPECT_NE(AcquireBackBuffer(paint, {0, 0, 64, 48}), nullptr);
}

TEST_F(BackBufferTest, NoContextIsKeptUntilTheSizeChanges) {
  SetDrawingFaults({.context = true});
  CDC* back = AcquireBackBuffer(paint, {0, 0, 64, 48});
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetSafeHdc(), nullptr);
  EXPECT_EQ(CurrentBackBuffer().backBitmap, nullptr);
  SetDrawingFaults({});
  EXPECT_EQ(AcquireBackBuffer(paint, {0, 0, 64, 48}), back);
  EXPECT_EQ(back->GetSafeHdc(), nullptr);
  EXPECT_NE(AcquireBackBuffer(paint, {0, 0, 64, 40})->GetSafeHdc(), nullptr);
}

TEST_F(BackBufferTest, NoBitmapObjectLeavesTheBareContext) {
  SetDrawingFaults({.bitmapObject = true});
  CDC* back = AcquireBackBuffer(paint, {0, 0, 64, 48});
  ASSERT_NE(back, nullptr);
  EXPECT_NE(back->GetSafeHdc(), nullptr);
  EXPECT_EQ(CurrentBackBuffer().backBitmap, nullptr);
}

TEST_F(BackBufferTest, AFailedBitmapGoesUnnoticedAndTheCopyStaysInsideTheDefault) {
  SetDrawingFaults({.bitmap = true});
  CDC* back = AcquireBackBuffer(paint, {0, 0, 64, 48});
  ASSERT_NE(back, nullptr);
  EXPECT_NE(CurrentBackBuffer().backBitmap, nullptr);
  EXPECT_EQ(CurrentBackBuffer().previousBitmap, nullptr);
  back->FillSolidRect({0, 0, 64, 48}, kRed);
  paint.BitBlt(0, 0, 64, 48, back, 0, 0, SRCCOPY);
  EXPECT_NE(screen.Pixel(10, 10), kRed);
  ReleaseBackBuffer();
  EXPECT_EQ(LiveDrawingObjects(), baseline);
}

}  // namespace
