// What surfaces keep from one call or paint to the next, so that a repeated
// frame allocates less, must never change what is drawn.
#include <gtest/gtest.h>

#include "tests/support/drawing_census.h"
#include "platform/draw/pen.h"
#include "tests/platform/drawing_test_support.h"

namespace dc_reuse_test {

constexpr COLORREF kGround = RGB(0, 64, 0);
constexpr COLORREF kGrey = RGB(64, 64, 64);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr char kLine[] = "FPS: 24, #Visible: 37, #numPolys:111  #collisions:  0";

bool SamePixels(const ImageSurface& a, const ImageSurface& b, int dx = 0, int dy = 0) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x + dx, y + dy)) return false;
  return true;
}

// The surface cleared, then text drawn at (x, y) in colour.
std::unique_ptr<ImageSurface> Draw(MemorySurface& s, const char* text, int x, int y, COLORREF colour) {
  s.dc.FillSolidRect({0, 0, s.width, s.height}, kGround);
  s.dc.FillSolidRect({0, 0, 0, 0}, kGrey);  // the cells behind the text
  s.dc.SetTextColor(colour);
  s.dc.DrawText(text, -1, {x, y, s.width, s.height}, DT_LEFT | DT_TOP);
  return s.Snapshot();
}

TEST(DrawText, ALineDrawnAgainAndAgainLooksTheSameEachTime) {
  MemorySurface s(400, 40);
  const auto first = Draw(s, kLine, 0, 0, kYellow);
  const auto second = Draw(s, kLine, 0, 0, kYellow);  // the layout kept
  const auto third = Draw(s, kLine, 0, 0, kYellow);   // the prepared layout
  EXPECT_TRUE(SamePixels(*first, *second));
  EXPECT_TRUE(SamePixels(*first, *third));

  const auto other = Draw(s, "FPS: 25, #Visible: 37, #numPolys:111  #collisions:  0", 0, 0, kYellow);
  EXPECT_FALSE(SamePixels(*first, *other));
  EXPECT_TRUE(SamePixels(*first, *Draw(s, kLine, 0, 0, kYellow)));
}

TEST(DrawText, ARepeatedLineFollowsItsPlaceAndColour) {
  MemorySurface s(400, 60);
  const auto atCorner = Draw(s, kLine, 0, 0, kYellow);
  Draw(s, kLine, 0, 0, kYellow);
  Draw(s, kLine, 0, 0, kYellow);
  const auto moved = Draw(s, kLine, 7, 20, kYellow);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 300; ++x) ASSERT_EQ(atCorner->Pixel(x, y), moved->Pixel(x + 7, y + 20)) << x << "," << y;
  EXPECT_EQ(moved->Pixel(3, 3), kGround);

  const auto red = Draw(s, kLine, 0, 0, kRed);
  const std::set<COLORREF> redColours = ColoursIn(*red);
  EXPECT_TRUE(redColours.count(kRed));
  EXPECT_FALSE(redColours.count(kYellow));
}

TEST(DrawText, ARepeatedTextOfTwoLinesStillBreaksAtTheNewline) {
  MemorySurface s(200, 60);
  s.dc.FillSolidRect({0, 0, 0, 0}, kGrey);
  const int oneLine = s.dc.DrawText("FPS", -1, {0, 0, 200, 60}, 0);
  const auto first = Draw(s, "FPS\nFPS", 0, 0, kYellow);
  const auto again = Draw(s, "FPS\nFPS", 0, 0, kYellow);
  const auto third = Draw(s, "FPS\nFPS", 0, 0, kYellow);
  EXPECT_TRUE(SamePixels(*first, *again));
  EXPECT_TRUE(SamePixels(*first, *third));
  EXPECT_EQ(third->Pixel(0, oneLine + 1), kGrey);  // the second line's cells
}

TEST(CPaintDC, ANewPaintStartsFromTheDefaultsWhateverTheLastOneLeft) {
  MemorySurface source(6, 6);
  source.dc.FillSolidRect({0, 0, 6, 6}, kRed);
  const DrawingCensus before = LiveDrawingObjects();
  ImageSurface first(6, 6), second(6, 6);
  CPen pen(PS_SOLID, 1, kRed);
  CPen* stockPen = nullptr;
  {
    CPaintDC paint(first, Rect{0, 0, 2, 2});
    stockPen = paint.SelectObject(&pen);
    paint.FillSolidRect({0, 0, 1, 1}, kGrey);
    paint.SetTextColor(kYellow);
    paint.SelectObject(stockPen);
  }
  {
    CPaintDC paint(second);
    EXPECT_EQ(paint.GetBkColor(), kWhite);
    EXPECT_EQ(paint.SetTextColor(kYellow), RGB(0, 0, 0));
    CPen* previous = paint.SelectObject(&pen);
    EXPECT_EQ(previous, stockPen);  // the stock pen every surface starts with
    paint.SelectObject(previous);
    paint.BitBlt(0, 0, 6, 6, &source.dc, 0, 0, SRCCOPY);  // not clipped to the last paint's region
  }
  EXPECT_EQ(second.Pixel(5, 5), kRed);
  EXPECT_EQ(first.Pixel(0, 0), kGrey);
  EXPECT_EQ(first.Pixel(2, 2), RGB(0, 0, 0));
  EXPECT_EQ(LiveDrawingObjects().contexts, before.contexts);  // the one kept for reuse is not live
}

}  // namespace dc_reuse_test
