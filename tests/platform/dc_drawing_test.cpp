// Drawing operations land on exactly the pixels they name, in exactly the
// colours asked for.
#include <gtest/gtest.h>

#include <QImage>

#include <climits>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/draw/brush.h"
#include "platform/draw/drawing_faults.h"
#include "platform/draw/pen.h"
#include "tests/platform/drawing_test_support.h"

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kGrey = RGB(64, 64, 64);
constexpr COLORREF kGround = RGB(0, 64, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

TEST(FillSolidRect, CoversLeftAndTopButNotRightAndBottom) {
  MemorySurface s(10, 10);
  s.dc.FillSolidRect({0, 0, 10, 10}, kGround);
  s.dc.FillSolidRect({2, 3, 5, 7}, kRed);
  auto image = s.Snapshot();
  EXPECT_EQ(image->Pixel(2, 3), kRed);
  EXPECT_EQ(image->Pixel(4, 6), kRed);
  EXPECT_EQ(image->Pixel(5, 3), kGround);
  EXPECT_EQ(image->Pixel(2, 7), kGround);
  EXPECT_EQ(image->Pixel(1, 3), kGround);
  EXPECT_EQ(image->Pixel(2, 2), kGround);
}

TEST(FillSolidRect, SetsTheBackgroundColourEvenWhenNothingIsCovered) {
  MemorySurface s(10, 10);
  s.dc.FillSolidRect({3, 3, 3, 9}, kBlue);  // empty
  EXPECT_EQ(s.dc.GetBkColor(), kBlue);
  s.dc.FillSolidRect({-50, -50, -40, -40}, kRed);  // outside
  EXPECT_EQ(s.dc.GetBkColor(), kRed);
}

TEST(FillSolidRect, ClipsExtremeRectanglesToTheSurface) {
  MemorySurface s(8, 6);
  s.dc.FillSolidRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kGrey);
  s.dc.FillSolidRect({6, -5, INT_MAX, 2}, kRed);
  auto image = s.Snapshot();
  EXPECT_EQ(ColoursIn(*image), (std::set<COLORREF>{kGrey, kRed}));
  EXPECT_EQ(image->Pixel(7, 1), kRed);
  EXPECT_EQ(image->Pixel(5, 1), kGrey);
  EXPECT_EQ(image->Pixel(7, 2), kGrey);
}

// A blue one-pixel pen and a red brush, selected into dc while it lives.
struct BluePenRedBrush {
  explicit BluePenRedBrush(CDC& dc) : dc(dc), oldPen(dc.SelectObject(&pen)), oldBrush(dc.SelectObject(&brush)) {}
  ~BluePenRedBrush() {
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
  }
  CDC& dc;
  CPen pen{PS_SOLID, 1, kBlue};
  CBrush brush{kRed};
  CPen* oldPen;
  CBrush* oldBrush;
};

TEST(Polygon, FillsWithTheBrushAndOutlinesWithThePenOnly) {
  MemorySurface s(12, 12);
  s.dc.FillSolidRect({0, 0, 12, 12}, kGround);
  {
    const BluePenRedBrush selected(s.dc);
    const Point square[4] = {{2, 2}, {9, 2}, {9, 9}, {2, 9}};
    EXPECT_TRUE(s.dc.Polygon(square, 4));
  }

  auto image = s.Snapshot();
  EXPECT_EQ(image->Pixel(5, 5), kRed);
  EXPECT_EQ(image->Pixel(2, 5), kBlue);
  EXPECT_EQ(image->Pixel(9, 5), kBlue);
  EXPECT_EQ(image->Pixel(5, 2), kBlue);
  EXPECT_EQ(image->Pixel(1, 5), kGround);
  EXPECT_EQ(image->Pixel(10, 5), kGround);
  EXPECT_EQ(ColoursIn(*image), (std::set<COLORREF>{kGround, kRed, kBlue}));  // no blending
}

TEST(Polygon, FillsBothHalvesOfACrossedQuadrilateral) {
  MemorySurface s(21, 21);
  s.dc.FillSolidRect({0, 0, 21, 21}, kGround);
  {
    const BluePenRedBrush selected(s.dc);
    const Point bowTie[4] = {{0, 0}, {20, 20}, {20, 0}, {0, 20}};
    s.dc.Polygon(bowTie, 4);
  }
  auto image = s.Snapshot();
  EXPECT_EQ(image->Pixel(4, 10), kRed);
  EXPECT_EQ(image->Pixel(16, 10), kRed);
  EXPECT_EQ(image->Pixel(10, 4), kGround);
  EXPECT_EQ(image->Pixel(10, 16), kGround);
}

// A polygon the kept drawing refuses is drawn at once, and still lands over
// what was kept before it.
TEST(Polygon, RefusedByTheKeptDrawingStillLandsOverWhatCameBefore) {
  MemorySurface s(12, 12);
  s.dc.FillSolidRect({0, 0, 12, 12}, kGround);
  {
    const BluePenRedBrush selected(s.dc);
    const Point square[4] = {{2, 2}, {9, 2}, {9, 9}, {2, 9}};
    SetDrawingFaults({.keptPolygon = true});
    s.dc.Polygon(square, 4);
    SetDrawingFaults({});
    s.dc.FillSolidRect({0, 0, 4, 4}, kGrey);  // kept again, over the polygon's corner
  }
  auto image = s.Snapshot();
  EXPECT_EQ(image->Pixel(5, 5), kRed);
  EXPECT_EQ(image->Pixel(9, 5), kBlue);
  EXPECT_EQ(image->Pixel(3, 3), kGrey);
  EXPECT_EQ(image->Pixel(10, 10), kGround);
}

TEST(Polygon, SurvivesCornersFarOutsideTheSurface) {
  MemorySurface s(40, 30);
  s.dc.FillSolidRect({0, 0, 40, 30}, kGround);
  {
    const BluePenRedBrush selected(s.dc);
    const Point huge[4] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
    s.dc.Polygon(huge, 4);
    const Point wide[4] = {{-2000000000, 10}, {2000000000, 10}, {2000000000, 20}, {-2000000000, 20}};
    s.dc.Polygon(wide, 4);
  }
  auto image = s.Snapshot();
  for (COLORREF c : ColoursIn(*image)) EXPECT_TRUE(c == kGround || c == kRed || c == kBlue) << c;
  EXPECT_EQ(image->Pixel(20, 15), kRed);
}

TEST(DrawText, WritesInTheTextColourOverTheBackgroundColourAndNothingElse) {
  MemorySurface s(200, 40);
  s.dc.FillSolidRect({0, 0, 200, 40}, kGround);
  s.dc.FillSolidRect({150, 0, 151, 1}, kGrey);  // the background colour is now grey
  s.dc.SetTextColor(kYellow);
  const int height = s.dc.DrawText("FPS:  0", -1, {0, 0, 200, 40}, DT_LEFT | DT_TOP);
  auto image = s.Snapshot();
  EXPECT_GT(height, 0);
  EXPECT_LT(height, 40);
  EXPECT_EQ(ColoursIn(*image), (std::set<COLORREF>{kGround, kGrey, kYellow}));
  EXPECT_EQ(image->Pixel(0, height - 1), kGrey);  // the cell behind the first character
  EXPECT_EQ(image->Pixel(0, height), kGround);     // below the line: untouched
  EXPECT_EQ(image->Pixel(199, 0), kGround);        // right of the text: untouched
  int yellow = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < 10; ++x) yellow += image->Pixel(x, y) == kYellow;
  EXPECT_GT(yellow, 5);  // the F
}

TEST(DrawText, IsClippedToItsRectangleAndStopsAtTheLength) {
  MemorySurface s(200, 40);
  s.dc.FillSolidRect({0, 0, 200, 40}, kGround);
  s.dc.FillSolidRect({0, 0, 0, 0}, kGrey);  // opaque cells show where text went
  s.dc.SetTextColor(kYellow);
  s.dc.DrawText("WWWWWWWWWWWWWWWWWWWW", -1, {10, 5, 30, 9}, 0);
  s.dc.DrawText("WWWW", 0, {0, 20, 200, 40}, 0);  // nothing of it
  auto image = s.Snapshot();
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 200; ++x) {
      const bool inside = x >= 10 && x < 30 && y >= 5 && y < 9;
      ASSERT_EQ(image->Pixel(x, y) == kGround, !inside) << x << "," << y;
    }
  }
}

TEST(BitBlt, CopiesOnlyTheRegionBeingRepainted) {
  MemorySurface s(20, 20);
  s.dc.FillSolidRect({0, 0, 20, 20}, kRed);
  ImageSurface window(20, 20);
  {
      CPaintDC paint(window, Rect{5, 5, 10, 8});
      EXPECT_TRUE(paint.BitBlt(0, 0, 20, 20, &s.dc, 0, 0, SRCCOPY));
  }
  EXPECT_EQ(window.Pixel(5, 5), kRed);
  EXPECT_EQ(window.Pixel(9, 7), kRed);
  EXPECT_EQ(window.Pixel(10, 7), RGB(0, 0, 0));
  EXPECT_EQ(window.Pixel(9, 8), RGB(0, 0, 0));
  EXPECT_EQ(window.Pixel(4, 5), RGB(0, 0, 0));
}

TEST(BitBlt, NeverReadsOutsideTheSourceOrWritesOutsideTheTarget) {
  MemorySurface s(4, 3);
  s.dc.FillSolidRect({0, 0, 4, 3}, kRed);
  ImageSurface window(10, 10);
  {
      CPaintDC paint(window);
      paint.BitBlt(0, 0, 10, 10, &s.dc, 0, 0, SRCCOPY);          // source is only 4 x 3
      paint.BitBlt(8, 8, 10, 10, &s.dc, -2, -2, SRCCOPY);        // lands at (10, 10): outside
      paint.BitBlt(INT_MAX, INT_MAX, INT_MAX, INT_MAX, &s.dc, INT_MIN, INT_MIN, SRCCOPY);
      EXPECT_FALSE(paint.BitBlt(0, 0, 10, 10, &s.dc, 0, 0, 0));  // only SRCCOPY
  }
  EXPECT_EQ(window.Pixel(3, 2), kRed);
  EXPECT_EQ(window.Pixel(4, 2), RGB(0, 0, 0));
  EXPECT_EQ(window.Pixel(3, 3), RGB(0, 0, 0));
  EXPECT_EQ(window.Pixel(9, 9), RGB(0, 0, 0));
}

// Random fills, polygons (pens of one and two pixels, brushes, corners far
// outside, too many corners for the raster filler), fills of the whole
// surface and text (a line laid out again elsewhere, another line in the same
// box), the same for every seed. needPixels is called now and then between
// them.
void DrawRandomly(CDC& dc, unsigned seed, int width, int height, const std::function<void()>& needPixels) {
  std::mt19937 rng(seed);
  const auto any = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  const auto colour = [&] { return RGB(any(0, 255), any(0, 255), any(0, 255)); };
  const auto x = [&] { return any(-width / 2, width * 3 / 2); };
  const auto y = [&] { return any(-height / 2, height * 3 / 2); };
  std::vector<std::unique_ptr<CPen>> pens;
  std::vector<std::unique_ptr<CBrush>> brushes;
  CPen* oldPen = nullptr;
  CBrush* oldBrush = nullptr;
  std::string text = "FPS: 24";
  Rect box{0, 0, width, height};
  for (int i = 0; i < 400; ++i) {  // the background: small fills of every colour
    const int left = any(0, width - 1), top = any(0, height - 1);
    dc.FillSolidRect({left, top, left + any(1, width / 4 + 1), top + any(1, height / 4 + 1)}, colour());
  }
  for (int i = 0; i < 300; ++i) {
    switch (any(0, 10)) {
      case 0:
        dc.FillSolidRect({x(), y(), x(), y()}, colour());
        break;
      case 1: {
        dc.SetTextColor(colour());
        if (any(0, 1)) {
          text.assign(std::size_t(any(1, 30)), ' ');
          for (char& c : text) c = char(any(0x20, 0x7e));
        } else {
          const int left = x(), top = y();
          box = {left, top, left + any(0, width), top + any(0, height)};
        }
        dc.DrawText(text.c_str(), -1, box, 0);
        break;
      }
      case 2:
        needPixels();
        break;
      case 3: {
        pens.push_back(std::make_unique<CPen>(PS_SOLID, any(0, 2), colour()));
        CPen* displaced = dc.SelectObject(pens.back().get());
        if (!oldPen) oldPen = displaced;
        break;
      }
      case 4:
        if (any(0, 9) == 0) dc.FillSolidRect({0, 0, width, height}, colour());
        break;
      default: {
        if (any(0, 2) == 0) {
          brushes.push_back(std::make_unique<CBrush>(colour()));
          CBrush* displaced = dc.SelectObject(brushes.back().get());
          if (!oldBrush) oldBrush = displaced;
        }
        Point corners[9];
        const int count = any(0, 20) == 0 ? 9 : any(2, 8);
        const int cx = x(), cy = y(), reach = any(1, std::max(width, height) / 2);
        for (int c = 0; c < count; ++c) corners[c] = {cx + any(-reach, reach), cy + any(-reach, reach)};
        if (any(0, 30) == 0) corners[0] = {any(0, 1) ? INT_MIN : INT_MAX, any(0, 1) ? INT_MIN : INT_MAX};
        dc.Polygon(corners, count);
      }
    }
  }
  if (oldPen) dc.SelectObject(oldPen);
  if (oldBrush) dc.SelectObject(oldBrush);
}

constexpr COLORREF kUntouched = RGB(1, 2, 3);

// Pixels of got that are not want's pixel (x - dx, y - dy) inside clip, or
// not kUntouched outside it; the first is reported.
int Mismatches(const ImageSurface& got, const ImageSurface& want, const Rect& clip, int dx, int dy,
               const std::string& what) {
  int wrong = 0;
  for (int py = 0; py < got.Height(); ++py) {
    for (int px = 0; px < got.Width(); ++px) {
      const bool inside = px >= clip.left && px < clip.right && py >= clip.top && py < clip.bottom;
      const COLORREF expected = inside ? want.Pixel(px - dx, py - dy) : kUntouched;
      if (got.Pixel(px, py) != expected && wrong++ == 0) ADD_FAILURE() << what << ": first at " << px << "," << py;
    }
  }
  return wrong;
}

// What a paint of width x height clipped to clip shows after copying all of
// source to (dx, dy), over a picture of kUntouched.
std::unique_ptr<ImageSurface> CopiedOut(CDC& source, int width, int height, const Rect& clip, int dx, int dy) {
  auto window = std::make_unique<ImageSurface>(width, height);
  {
      CPaintDC paint(*window);
      paint.FillSolidRect({0, 0, width, height}, kUntouched);
  }
  CPaintDC paint(*window, clip);
  paint.BitBlt(dx, dy, width, height, &source, 0, 0, SRCCOPY);
  return window;
}

// The bitmap's own pixels: taken out of its surface (which writes what was
// kept into it), and copied out through another surface that keeps nothing.
std::unique_ptr<ImageSurface> BitmapPixels(MemorySurface& s, CBitmap& bitmap, int width, int height) {
  CBitmap* selected = s.dc.SelectObject(s.previous);
  CDC reader;
  reader.CreateCompatibleDC(&s.paint);
  CBitmap* readerDefault = reader.SelectObject(&bitmap);
  auto image = CopiedOut(reader, width, height, {0, 0, width, height}, 0, 0);
  reader.SelectObject(readerDefault);
  s.dc.SelectObject(selected);
  return image;
}

// A memory surface keeps what is drawn on it until its pixels are needed and
// then writes it nearest first (or, while small, in order), into its bitmap
// or straight into the rectangle a copy names: either way the pixels must be
// exactly those of drawing each call at once, as a paint surface does. The
// copies land at an offset and clipped; the bitmap, read after them, holds
// the same; and after a larger bitmap is selected (a resize), a fill the
// size of the old one covers only part of the new.
TEST(DeferredDrawing, GivesExactlyThePixelsOfDrawingEachCallAtOnce) {
  for (const auto& [width, height] : {std::pair{97, 61}, std::pair{1601, 1001}}) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
      const std::string name = std::to_string(width) + "x" + std::to_string(height) + " seed " + std::to_string(seed);
      ImageSurface direct(width, height);
      {
        CPaintDC paint(direct);
        DrawRandomly(paint, seed, width, height, [] {});
      }
      MemorySurface deferred(width, height);
      DrawRandomly(deferred.dc, seed, width, height, [&] { deferred.Snapshot(); });
      const Rect clip{3, 2, width * 2 / 3, height - 1};  // written: columns 5 on, rows 3 on
      const Rect written{5, 3, clip.right, clip.bottom};
      EXPECT_EQ(Mismatches(*CopiedOut(deferred.dc, width, height, clip, 5, 3), direct, written, 5, 3, name + " copied"), 0);
      const Rect all{0, 0, width, height};
      EXPECT_EQ(Mismatches(*BitmapPixels(deferred, deferred.bitmap, width, height), direct, all, 0, 0, name + " bitmap"), 0);

      const int wider = width + 40, taller = height + 30;
      const Rect whole{0, 0, wider, taller};
      ImageSurface resized(wider, taller);
      CBitmap larger;
      larger.CreateCompatibleBitmap(&deferred.paint, wider, taller);
      CBitmap* smaller = deferred.dc.SelectObject(&larger);
      for (const bool partly : {true, false}) {
        {
          CPaintDC paint(resized);
          if (partly) {
            paint.FillSolidRect(all, kGrey);
            deferred.dc.FillSolidRect(all, kGrey);
          } else {
            DrawRandomly(paint, seed + 10, wider, taller, [] {});
            DrawRandomly(deferred.dc, seed + 10, wider, taller, [] {});
          }
        }
        EXPECT_EQ(Mismatches(*CopiedOut(deferred.dc, wider, taller, whole, 0, 0), resized, whole, 0, 0, name + " resized"), 0);
      }
      deferred.dc.SelectObject(smaller);
    }
  }
}

TEST(ImageSurface, SavesAPngThatReadsBackAndReportsAPathItCannotWrite) {
  ImageSurface image(3, 2);
  {
      CPaintDC paint(image);
      paint.FillSolidRect({1, 0, 2, 1}, kYellow);
  }
  const std::string path = ::testing::TempDir() + "kt_image_surface.png";
  std::string error;
  EXPECT_TRUE(image.SavePng(path, &error)) << error;
  const QImage back(QString::fromStdString(path));
  ASSERT_EQ(back.size(), QSize(3, 2));
  EXPECT_EQ(back.pixel(1, 0), qRgb(255, 255, 0));
  EXPECT_FALSE(image.SavePng("/nonexistent-dir/x.png", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(image.Pixel(1, 0), kYellow);
  EXPECT_EQ(image.Pixel(5, 5), RGB(0, 0, 0));
  EXPECT_FALSE(ImageSurface(0, 5).IsValid());
}

}  // namespace
