// The polygon filler and line drawer against an independent per-pixel test of
// the centre rule, and against the raster engine's own aliased drawing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>
#include <vector>

#include "platform/raster/raster_polygon.h"
#include "tests/platform/raster/plain_painter.h"

namespace raster_polygon_test {

constexpr std::uint32_t kBack = 0xff004000;
constexpr std::uint32_t kFill = 0xff808080;
constexpr std::uint32_t kLine = 0xff600000;

// A picture of kBack.
struct Picture : PlainPicture {
  Picture(int w, int h) : PlainPicture(w, h, kBack) {}
};

void ExpectFillMatchesCentreRule(const std::vector<Point>& poly, int w, int h) {
  Picture p(w, h);
  FillPolygon(p.Rows(), poly.data(), int(poly.size()), kFill);
  int wrong = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((p.At(x, y) == kFill) != CentreInside(poly.data(), int(poly.size()), x, y)) ++wrong;
  EXPECT_EQ(wrong, 0);
}

// The raster engine's picture of the same call: aliased, alternate fill,
// cosmetic one-pixel pen.
QImage QtPolygon(const std::vector<Point>& poly, int w, int h, bool fill, bool outline) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kBack);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen pen{QColor::fromRgb(kLine)};
  pen.setCosmetic(true);
  pen.setWidth(1);
  painter.setPen(outline ? pen : QPen(Qt::NoPen));
  painter.setBrush(fill ? QBrush(QColor::fromRgb(kFill)) : QBrush(Qt::NoBrush));
  std::vector<QPoint> corners;
  for (const Point& c : poly) corners.emplace_back(c.x, c.y);
  painter.drawPolygon(corners.data(), int(corners.size()), Qt::OddEvenFill);
  return image;
}

Picture OurPolygon(const std::vector<Point>& poly, int w, int h, bool fill, bool outline) {
  Picture p(w, h);
  if (fill) FillPolygon(p.Rows(), poly.data(), int(poly.size()), kFill);
  if (outline) OutlinePolygon(p.Rows(), poly.data(), int(poly.size()), kLine);
  return p;
}

double DistanceToSegment(double px, double py, Point a, Point b) {
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

// The farthest a pixel that differs from the raster engine's lies from the
// outline (distance from the pixel's corner point (x, y), where a one-pixel
// pen puts the line, to the nearest edge); 0 when none differs.
double FarthestDifference(const std::vector<Point>& poly, int w, int h, bool fill, bool outline) {
  const QImage qt = QtPolygon(poly, w, h, fill, outline);
  const Picture ours = OurPolygon(poly, w, h, fill, outline);
  double farthest = 0;
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(qt.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      if (row[x] == ours.At(x, y)) continue;
      double nearest = INFINITY;
      for (std::size_t i = 0; i < poly.size(); ++i)
        nearest = std::min(nearest, DistanceToSegment(x, y, poly[i], poly[(i + 1) % poly.size()]));
      farthest = std::max(farthest, nearest);
    }
  }
  return farthest;
}

std::vector<Point> RandomQuad(std::mt19937& random, int w, int h) {
  std::uniform_int_distribution<int> xs(-20, w + 20), ys(-20, h + 20);
  std::vector<Point> quad;
  for (int i = 0; i < 4; ++i) quad.push_back({xs(random), ys(random)});
  return quad;
}

TEST(RasterFill, FollowsThePixelCentreRuleOnRandomQuadrilaterals) {
  std::mt19937 random(20240611);
  for (int i = 0; i < 300; ++i) {
    const auto quad = RandomQuad(random, 40, 30);
    SCOPED_TRACE(testing::Message() << quad[0].x << "," << quad[0].y << " " << quad[1].x << ","
                                    << quad[1].y << " " << quad[2].x << "," << quad[2].y << " "
                                    << quad[3].x << "," << quad[3].y);
    ExpectFillMatchesCentreRule(quad, 40, 30);
  }
}

TEST(RasterFill, AlternateRuleLeavesTwiceCoveredAreasEmpty) {
  const std::vector<Point> bowTie{{0, 0}, {20, 20}, {20, 0}, {0, 20}};
  ExpectFillMatchesCentreRule(bowTie, 24, 24);
  Picture p(24, 24);
  FillPolygon(p.Rows(), bowTie.data(), 4, kFill);
  EXPECT_EQ(p.At(3, 10), kFill);
  EXPECT_EQ(p.At(16, 10), kFill);
  EXPECT_EQ(p.At(10, 3), kBack);
  EXPECT_EQ(p.At(10, 17), kBack);

  // A five-pointed star drawn in one stroke covers its middle twice.
  const std::vector<Point> star{{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}};
  ExpectFillMatchesCentreRule(star, 41, 40);
  Picture s(41, 40);
  FillPolygon(s.Rows(), star.data(), 5, kFill);
  EXPECT_EQ(s.At(20, 22), kBack);
  EXPECT_EQ(s.At(20, 6), kFill);
}

TEST(RasterFill, DegenerateShapesFillNothing) {
  Picture p(16, 16);
  const Point same[4] = {{5, 5}, {5, 5}, {5, 5}, {5, 5}};
  const Point inLine[4] = {{1, 1}, {6, 6}, {12, 12}, {3, 3}};
  const Point flat[4] = {{0, 8}, {15, 8}, {4, 8}, {9, 8}};
  FillPolygon(p.Rows(), same, 4, kFill);
  FillPolygon(p.Rows(), inLine, 4, kFill);
  FillPolygon(p.Rows(), flat, 4, kFill);
  EXPECT_EQ(std::count(p.pixels.begin(), p.pixels.end(), kFill), 0);
}

TEST(RasterFill, HugeCoordinatesFillExactlyWhatTheCentreRuleSays) {
  const std::vector<std::vector<Point>> shapes{
      {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}},
      {{INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}},
      {{INT_MIN, 3}, {INT_MAX, 17}, {INT_MAX, 18}, {INT_MIN, 25}},
      {{10, INT_MIN}, {11, INT_MIN}, {30, INT_MAX}, {-5, INT_MAX}},
      {{-2000000000, 10}, {2000000000, 10}, {2000000000, 20}, {-2000000000, 20}},
      {{INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}},
  };
  for (const auto& shape : shapes) ExpectFillMatchesCentreRule(shape, 40, 30);
  Picture p(40, 30);
  FillPolygon(p.Rows(), shapes[0].data(), 4, kFill);
  EXPECT_EQ(std::count(p.pixels.begin(), p.pixels.end(), kFill), 40 * 30);
}

TEST(RasterLine, DrawsBothEndsAndOnePixelPerStepWithinHalfAPixel) {
  std::mt19937 random(77);
  std::uniform_int_distribution<int> coord(-30, 70);
  for (int k = 0; k < 200; ++k) {
    const Point a{coord(random), coord(random)}, b{coord(random), coord(random)};
    Picture p(40, 40);
    DrawLine(p.Rows(), a, b, kLine);
    Picture plain(40, 40);
    plain.Line(a, b, kLine);
    EXPECT_EQ(p.pixels, plain.pixels) << a.x << "," << a.y << " " << b.x << "," << b.y;
    const bool alongX = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    for (int y = 0; y < 40; ++y) {
      int inRow = 0;
      for (int x = 0; x < 40; ++x) {
        if (p.At(x, y) != kLine) continue;
        ++inRow;
        // Off the ideal line by at most half a pixel across the walking axis.
        const double major = alongX ? x - a.x : y - a.y;
        const double span = alongX ? b.x - a.x : b.y - a.y;
        const double t = span == 0 ? 0 : major / span;
        EXPECT_GE(t, 0);
        EXPECT_LE(t, 1);
        const double ideal = alongX ? a.y + t * (b.y - a.y) : a.x + t * (b.x - a.x);
        EXPECT_LE(std::abs((alongX ? y : x) - ideal), 0.5) << a.x << "," << a.y << " " << b.x << "," << b.y;
      }
      if (!alongX && y >= std::min(a.y, b.y) && y <= std::max(a.y, b.y)) {
        const double x = a.x + double(y - a.y) / (b.y - a.y) * (b.x - a.x);
        if (x > 0.5 && x < 38.5) {
          EXPECT_EQ(inRow, 1);  // one pixel per row, well inside
        }
      }
    }
    auto inside = [](Point q) { return q.x >= 0 && q.y >= 0 && q.x < 40 && q.y < 40; };
    if (inside(a)) {
      EXPECT_EQ(p.At(a.x, a.y), kLine);
    }
    if (inside(b)) {
      EXPECT_EQ(p.At(b.x, b.y), kLine);
    }
  }
}

TEST(RasterLine, ClipsLinesBetweenTheFarthestCorners) {
  Picture p(40, 30);
  DrawLine(p.Rows(), {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, kLine);  // passes near (0,0)
  DrawLine(p.Rows(), {INT_MIN, 12}, {INT_MAX, 12}, kLine);
  DrawLine(p.Rows(), {INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}, kLine);
  DrawLine(p.Rows(), {INT_MIN, INT_MIN}, {INT_MIN, INT_MAX}, kLine);  // wholly outside
  for (int x = 0; x < 40; ++x) EXPECT_EQ(p.At(x, 12), kLine);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(p.At(i, i), kLine);
  EXPECT_EQ(std::count(p.pixels.begin(), p.pixels.end(), kLine), 40 + 30 - 1);
  // A point is one pixel.
  Picture q(4, 4);
  DrawLine(q.Rows(), {2, 1}, {2, 1}, kLine);
  EXPECT_EQ(std::count(q.pixels.begin(), q.pixels.end(), kLine), 1);
  EXPECT_EQ(q.At(2, 1), kLine);
}

TEST(RasterPolygon, AxisAlignedRectanglesMatchTheRasterEngineExactly) {
  std::mt19937 random(5);
  std::uniform_int_distribution<int> coord(-10, 50);
  for (int k = 0; k < 100; ++k) {
    const int l = coord(random), t = coord(random);
    const int r = l + coord(random) % 20 + 1, b = t + coord(random) % 20 + 1;
    const std::vector<Point> rect{{l, t}, {r, t}, {r, b}, {l, b}};
    EXPECT_EQ(FarthestDifference(rect, 40, 30, true, true), 0) << l << " " << t << " " << r << " " << b;
    EXPECT_EQ(FarthestDifference(rect, 40, 30, true, false), 0) << l << " " << t << " " << r << " " << b;
  }
}

TEST(RasterPolygon, RandomQuadrilateralsDifferFromTheRasterEngineOnlyAtTheirEdges) {
  std::mt19937 random(20240611);
  double farthest = 0;
  for (int i = 0; i < 500; ++i) {
    const auto quad = RandomQuad(random, 64, 48);
    farthest = std::max(farthest, FarthestDifference(quad, 64, 48, true, true));
  }
  EXPECT_LE(farthest, 1.0);
}

TEST(RasterPolygon, DegenerateAndCrossedShapesLookLikeTheRasterEngines) {
  const std::vector<std::vector<Point>> shapes{
      {{5, 5}, {5, 5}, {5, 5}, {5, 5}},
      {{1, 1}, {6, 6}, {12, 12}, {3, 3}},
      {{0, 8}, {15, 8}, {4, 8}, {9, 8}},
      {{0, 0}, {20, 20}, {20, 0}, {0, 20}},
      {{2, 2}, {14, 2}, {2, 14}, {14, 14}},
  };
  for (const auto& shape : shapes) EXPECT_LE(FarthestDifference(shape, 24, 24, true, true), 1.0);
}

}  // namespace raster_polygon_test
