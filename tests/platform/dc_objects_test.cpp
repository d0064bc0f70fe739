// Surfaces, bitmaps, pens and brushes: what selection displaces, what
// deletion frees, and what a failed creation leaves behind.
#include <gtest/gtest.h>

#include "platform/draw/brush.h"
#include "platform/draw/drawing_faults.h"
#include "platform/draw/pen.h"
#include "tests/platform/drawing_test_support.h"

namespace {

constexpr COLORREF kObjectRed = RGB(200, 0, 0);

class DrawingObjects : public ::testing::Test {
 protected:
  void TearDown() override { SetDrawingFaults({}); }
  ImageSurface screen{16, 16};
  CPaintDC paint{screen};
};

TEST_F(DrawingObjects, ANewMemorySurfaceHoldsAOneByOneMonochromeDefault) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(&paint));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&paint, 16, 16));
  CBitmap* defaultBitmap = dc.SelectObject(&bitmap);
  ASSERT_NE(defaultBitmap, nullptr);
  EXPECT_NE(defaultBitmap, &bitmap);
  EXPECT_EQ(CBitmap::FromHandle(defaultBitmap->GetSafeHandle()), defaultBitmap);
  // Selecting the default back displaces ours.
  EXPECT_EQ(dc.SelectObject(defaultBitmap), &bitmap);

  // A bitmap compatible with the memory surface itself is monochrome: colour
  // drawn into it does not survive.
  CBitmap mono;
  ASSERT_TRUE(mono.CreateCompatibleBitmap(&dc, 4, 4));
  CBitmap* before = dc.SelectObject(&mono);
  dc.FillSolidRect({0, 0, 4, 4}, kObjectRed);
  paint.BitBlt(0, 0, 4, 4, &dc, 0, 0, SRCCOPY);
  EXPECT_NE(screen.Pixel(0, 0), kObjectRed);
  dc.SelectObject(before);
}

TEST_F(DrawingObjects, PenAndBrushSelectionsReturnWhatTheyDisplace) {
  CDC dc;
  dc.CreateCompatibleDC(&paint);
  CPen pen(PS_SOLID, 1, kObjectRed);
  CBrush brush(kObjectRed);
  CPen* defaultPen = dc.SelectObject(&pen);
  CBrush* defaultBrush = dc.SelectObject(&brush);
  ASSERT_NE(defaultPen, nullptr);
  ASSERT_NE(defaultBrush, nullptr);
  EXPECT_EQ(dc.SelectObject(defaultPen), &pen);
  EXPECT_EQ(dc.SelectObject(defaultBrush), &brush);

  CPen empty;
  EXPECT_EQ(dc.SelectObject(&empty), nullptr);  // no handle, nothing displaced
  EXPECT_EQ(dc.SelectObject(static_cast<CBrush*>(nullptr)), nullptr);
}

TEST_F(DrawingObjects, ABitmapSitsInOneSurfaceAtATime) {
  CDC first, second;
  first.CreateCompatibleDC(&paint);
  second.CreateCompatibleDC(&paint);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&paint, 4, 4);
  CBitmap* old = first.SelectObject(&bitmap);
  EXPECT_EQ(second.SelectObject(&bitmap), nullptr);
  first.SelectObject(old);
  EXPECT_NE(second.SelectObject(&bitmap), nullptr);
  EXPECT_EQ(paint.SelectObject(&bitmap), nullptr);  // a paint surface takes no bitmap
}

TEST_F(DrawingObjects, DeletingASelectedBitmapLeavesTheSurfaceUsable) {
  CDC dc;
  dc.CreateCompatibleDC(&paint);
  auto bitmap = std::make_unique<CBitmap>();
  bitmap->CreateCompatibleBitmap(&paint, 8, 8);
  dc.SelectObject(bitmap.get());
  dc.FillSolidRect({0, 0, 8, 8}, kObjectRed);
  bitmap.reset();
  dc.FillSolidRect({0, 0, 8, 8}, kObjectRed);
  paint.BitBlt(0, 0, 8, 8, &dc, 0, 0, SRCCOPY);
  EXPECT_NE(screen.Pixel(1, 1), kObjectRed);  // only the 1 x 1 default is left to copy
}

TEST_F(DrawingObjects, ASurfaceWithoutContextDoesNothing) {
  CDC dc;
  CBitmap bitmap;
  CPen pen(PS_SOLID, 1, kObjectRed);
  const Point corners[4] = {{0, 0}, {5, 0}, {5, 5}, {0, 5}};
  EXPECT_EQ(dc.GetSafeHdc(), nullptr);
  EXPECT_FALSE(bitmap.CreateCompatibleBitmap(&dc, 4, 4));
  EXPECT_EQ(dc.SelectObject(&pen), nullptr);
  dc.FillSolidRect({0, 0, 5, 5}, kObjectRed);
  EXPECT_FALSE(dc.Polygon(corners, 4));
  EXPECT_EQ(dc.DrawText("x", -1, {0, 0, 5, 5}, 0), 0);
  EXPECT_FALSE(paint.BitBlt(0, 0, 5, 5, &dc, 0, 0, SRCCOPY));
  EXPECT_FALSE(dc.BitBlt(0, 0, 5, 5, &paint, 0, 0, SRCCOPY));
  EXPECT_EQ(screen.Pixel(0, 0), RGB(0, 0, 0));
}

TEST_F(DrawingObjects, InjectedFaultsFailExactlyTheCreationAskedFor) {
  SetDrawingFaults({.surfaceObject = true});
  EXPECT_EQ(new (std::nothrow) CDC, nullptr);
  SetDrawingFaults({.context = true});
  CDC dc;
  EXPECT_FALSE(dc.CreateCompatibleDC(&paint));
  SetDrawingFaults({.bitmapObject = true});
  EXPECT_EQ(new (std::nothrow) CBitmap, nullptr);
  SetDrawingFaults({.bitmap = true});
  CBitmap bitmap;
  EXPECT_FALSE(bitmap.CreateCompatibleBitmap(&paint, 4, 4));
  EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
  SetDrawingFaults({.pen = true, .brush = true});
  EXPECT_EQ(CPen(PS_SOLID, 1, kObjectRed).GetSafeHandle(), nullptr);
  EXPECT_EQ(CBrush(kObjectRed).GetSafeHandle(), nullptr);
  ASSERT_TRUE(dc.CreateCompatibleDC(&paint));  // the default pen and brush still exist
  CPen pen;
  SetDrawingFaults({});
  pen.CreatePen(PS_SOLID, 1, kObjectRed);
  CPen* defaultPen = dc.SelectObject(&pen);
  EXPECT_NE(defaultPen, nullptr);
  dc.SelectObject(defaultPen);

  CDC* made = new (std::nothrow) CDC;
  EXPECT_NE(made, nullptr);
  delete made;
}

}  // namespace
