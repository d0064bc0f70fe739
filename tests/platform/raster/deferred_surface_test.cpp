// The three ways a deferred surface writes what it kept (in the order drawn,
// nearest first, and nearest first through a streamed band) against a
// picture painted one pixel at a time, around the size where the way
// changes, with shapes that end on and beside the covered mask's word edges.
#include "platform/raster/deferred_surface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>
#include <string>
#include <vector>

#include "platform/draw/text_capture.h"
#include "tests/platform/raster/plain_painter.h"

namespace deferred_surface_test {

using Way = DeferredSurface::Way;

// Up to this many pixels written, in the order drawn.
constexpr std::int64_t kLargestInOrder = std::int64_t(1) << 20;
constexpr int kWord = 64;  // pixels a word of the covered mask holds
constexpr int kLayoutExtent = 1 << 24;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop;
constexpr double kRatio = 1.0;  // text at the ordinary screen's size
constexpr std::uint32_t kSentinel = 0xff010203;  // what no resolve writes

struct Shape {
  enum class Kind { kFill, kPolygon, kText } kind = Kind::kFill;
  Rect area{};                 // kFill: inside the surface; kText: the clip
  std::vector<Point> corners;  // kPolygon; kText: where the line starts
  std::uint32_t colour = 0;    // the fill, the brush, the ink
  std::uint32_t second = 0;    // the pen, the cells behind the text
  bool filled = true;
  bool outlined = false;
  std::string text;
};

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
QRect LayoutBox(Point at) { return QRect(at.x, at.y, kLayoutExtent, kLayoutExtent); }

void Record(DeferredSurface& surface, const std::vector<Shape>& shapes) {
  TextCapture capture;  // lays the text out into the runs its glyphs cover
  for (const Shape& s : shapes) {
    switch (s.kind) {
      case Shape::Kind::kFill: surface.Fill(s.area, s.colour); break;
      case Shape::Kind::kPolygon:
        ASSERT_TRUE(surface.Polygon(s.corners.data(), int(s.corners.size()), s.filled ? &s.colour : nullptr,
                                    s.outlined ? &s.second : nullptr));
        break;
      case Shape::Kind::kText: {
        const QRect clip = ToQRect(s.area);
        const QRect cells = capture.Capture(s.text, LayoutBox(s.corners[0]), kTextFlags, clip, kRatio) & clip;
        surface.Glyphs({cells.left(), cells.top(), cells.right() + 1, cells.bottom() + 1}, capture.Runs(), s.second,
                       s.colour);
        break;
      }
    }
  }
}

// Text as a painter draws it at once: the cells its layout covers, then the ink.
void PaintText(PlainPicture& picture, const Shape& s) {
  QImage view(reinterpret_cast<uchar*>(picture.pixels.data()), picture.width, picture.height,
              qsizetype(picture.width) * 4, QImage::Format_RGB32);
  QPainter painter(&view);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
  painter.setFont(SurfaceFont(kRatio));
  const QString line = QString::fromStdString(s.text);
  const QRect clip = ToQRect(s.area);
  painter.fillRect(painter.fontMetrics().boundingRect(LayoutBox(s.corners[0]), kTextFlags, line) & clip,
                   QColor::fromRgb(s.second));
  painter.setClipRect(clip);
  painter.setPen(QColor::fromRgb(s.colour));
  painter.drawText(LayoutBox(s.corners[0]), kTextFlags, line);
}

void Paint(PlainPicture& picture, const std::vector<Shape>& shapes) {
  for (const Shape& s : shapes) {
    const int count = int(s.corners.size());
    switch (s.kind) {
      case Shape::Kind::kFill: picture.Fill(s.area, s.colour); break;
      case Shape::Kind::kPolygon:
        if (s.filled) picture.FillByCentres(s.corners.data(), count, s.colour);
        if (s.outlined) picture.Outline(s.corners.data(), count, s.second);
        break;
      case Shape::Kind::kText: PaintText(picture, s); break;
    }
  }
}

// What the surface holds before anything is kept: different in every column.
PlainPicture Underneath(int width, int height) {
  PlainPicture p(width, height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      p.pixels[std::size_t(y) * width + x] = 0xff000000 | ((x * 40503u + y * 977u) & 0x7fff);
  return p;
}

Shape Fill(int left, int top, int right, int bottom, std::uint32_t colour) {
  Shape s;
  s.area = {left, top, right, bottom};
  s.colour = colour;
  return s;
}

Shape Box(int left, int top, int right, int bottom, std::uint32_t brush, bool filled, bool outlined,
          std::uint32_t pen) {
  Shape s;
  s.kind = Shape::Kind::kPolygon;
  s.corners = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
  s.colour = brush;
  s.second = pen;
  s.filled = filled;
  s.outlined = outlined;
  return s;
}

// Pairs of a far shape and a nearer one that hides all of it but one
// column, at word edge e (a multiple of 64) on rows top .. top + 3: the far
// shape shows only there. Nearer shapes cover all of a word but its first or
// last pixel, and end on the edge or one past it. Kind picks the pair.
void AddWordEdgePair(std::vector<Shape>& shapes, int kind, int e, int top) {
  const std::uint32_t far = 0xffa00000 + std::uint32_t(kind) * 0x100 + std::uint32_t(e % 251);
  const std::uint32_t near = 0xff00b000 + std::uint32_t(kind) * 0x100 + std::uint32_t(e % 241);
  const int bottom = top + 4;
  const auto pair = [&](int farLeft, int farRight, int nearLeft, int nearRight) {
    shapes.push_back(Fill(farLeft, top, farRight, bottom, far));
    shapes.push_back(Fill(nearLeft, top, nearRight, bottom, near));
  };
  switch (kind) {
    case 0: pair(e - 10, e, e - 10, e - 1); break;                  // far's last column ends a word
    case 1: pair(e - 10, e + 1, e - 10, e); break;                  // far's last column starts one
    case 2: pair(e, e + kWord, e, e + kWord - 1); break;            // all of a word but its last pixel
    case 3: pair(e, e + kWord, e + 1, e + kWord); break;            // all of a word but its first pixel
    case 4: pair(e - 70, e + kWord, e - 70, e + kWord - 1); break;  // across three words
    case 5: pair(e - kWord, e + 1, e - kWord + 1, e + 1); break;    // far's first column only
    case 6:  // polygons: an outline on the word's last column over a fill, a fill ending on the edge
      shapes.push_back(Fill(e - 20, top, e + 20, bottom, far));
      shapes.push_back(Box(e - 20, top, e - 1, bottom - 1, near, true, true, near + 1));
      shapes.push_back(Box(e - 30, top + 1, e, top + 3, near + 2, true, false, 0));
      shapes.push_back(Box(e, top, e + 9, bottom - 1, near + 3, false, true, near + 4));
      break;
    case 7:  // outlined polygons showing only their right column (a word's last) or left column
             // (a word's first), their bottom or top row
      shapes.push_back(Box(e - 20, top, e - 1, bottom - 1, far, true, true, far + 1));
      shapes.push_back(Fill(e - 20, top, e - 1, bottom, near));
      shapes.push_back(Box(e + kWord, top, e + kWord + 15, bottom - 1, far + 2, true, true, far + 3));
      shapes.push_back(Fill(e + kWord + 1, top, e + kWord + 16, bottom, near + 1));
      shapes.push_back(Box(e + 5, top, e + 20, bottom - 1, far + 4, false, true, far + 5));
      shapes.push_back(Fill(e + 5, top, e + 21, bottom - 1, near + 2));
      shapes.push_back(Box(e + 30, top, e + 45, bottom - 1, far + 6, false, true, far + 7));
      shapes.push_back(Fill(e + 30, top + 1, e + 46, bottom, near + 3));
      break;
  }
}

constexpr int kPairKinds = 8;

// Every kind of pair at word edges across the surface, some on the rows
// where one band of 64 ends and the next starts.
void AddWordEdgePairs(std::vector<Shape>& shapes, int width, int height) {
  const int tops[] = {1, 62, 126, height / 2, height - 5};
  int n = 0;
  for (int e = 2 * kWord; e + 2 * kWord <= width; e += 3 * kWord, ++n) {
    const int top = std::min(tops[n % 5], height - 5);
    AddWordEdgePair(shapes, n % kPairKinds, e, top);
  }
  // The last word edge (the right edge itself when the width is a multiple
  // of 64), and the right edge.
  AddWordEdgePair(shapes, 0, width / kWord * kWord, height / 3);
  shapes.push_back(Fill(width - 10, height - 4, width, height, 0xff123456));
  shapes.push_back(Fill(width - 10, height - 4, width - 1, height, 0xff654321));
}

// Fills and polygons of every sort anywhere on the surface, their edges
// often on or beside a word edge.
void AddRandomShapes(std::vector<Shape>& shapes, unsigned seed, int width, int height) {
  std::mt19937 rng(seed);
  const auto any = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  const auto colour = [&] { return 0xff000000 | std::uint32_t(rng() & 0xffffff); };
  const auto column = [&](int low, int high) {
    const int x = any(low, high);
    return any(0, 1) ? x / kWord * kWord + any(-1, 1) : x;
  };
  for (int i = 0; i < 60; ++i) {
    const int left = std::clamp(column(0, width - 1), 0, width - 1);
    const int top = any(0, height - 1);
    const int right = std::clamp(column(left + 1, left + 300), left + 1, width);
    shapes.push_back(Fill(left, top, right, std::min(height, top + any(1, 80)), colour()));
  }
  for (int i = 0; i < 60; ++i) {
    Shape s;
    s.kind = Shape::Kind::kPolygon;
    s.colour = colour();
    s.second = colour();
    s.filled = any(0, 3) != 0;
    s.outlined = !s.filled || any(0, 1);
    const int cx = any(-20, width + 20), cy = any(-20, height + 20), reach = any(1, 100);
    for (int c = any(2, kMaxRasterCorners); c > 0; --c)
      s.corners.push_back({cx + any(-reach, reach), cy + any(-reach, reach)});
    shapes.push_back(s);
  }
  // One slanted quadrilateral across the whole surface and beyond.
  shapes.push_back(Box(-5, height / 4, width + 5, height / 4 + 30, colour(), true, true, colour()));
  shapes.back().corners[1].y += 20;
}

Shape Text(const std::string& line, Point at, int width, int height, std::uint32_t ink) {
  Shape s;
  s.kind = Shape::Kind::kText;
  s.area = {0, 0, width, height};
  s.corners = {at};
  s.colour = ink;
  s.second = 0xff404040;
  s.text = line;
  return s;
}

// The box around the ink of a short line of text, painted alone on as much
// of the surface as it can reach.
Rect InkBox(const Shape& text, int width, int height) {
  constexpr int kReach = 200;
  const int right = std::min(width, text.corners[0].x + kReach);
  const int bottom = std::min(height, text.corners[0].y + kReach);
  PlainPicture alone(right, bottom, 0);
  PaintText(alone, text);
  Rect box{right, bottom, 0, 0};
  for (int y = 0; y < bottom; ++y) {
    for (int x = 0; x < right; ++x) {
      if (alone.At(x, y) != text.colour) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  return box;
}

// A line of text over a fill, across a word edge and where two bands meet,
// and a polygon over part of it. Then four short lines, each under a fill
// that hides all of its ink but the right or left column, or the bottom or
// top row.
void AddText(std::vector<Shape>& shapes, int width, int height) {
  const int top = std::max(0, std::min(58, height - 20));
  shapes.push_back(Fill(40, top, std::min(width, 400), std::min(height, top + 30), 0xff336699));
  shapes.push_back(
      Text("FPS: 24, #Visible: 37, #numPolys:111  #collisions:  0", {50, top + 2}, width, height, 0xffffff00));
  shapes.push_back(Box(120, top + 6, 160, top + 40, 0xff884400, true, true, 0xff00ffff));
  for (int side = 0; side < 4; ++side) {
    shapes.push_back(Text("FPS: 24", {450 + 130 * side, top}, width, height, 0xffffff10 + std::uint32_t(side)));
    Rect r = InkBox(shapes.back(), width, height);
    int* const edge[] = {&r.right, &r.left, &r.bottom, &r.top};
    *edge[side] += side % 2 ? 1 : -1;
    shapes.push_back(Fill(r.left, r.top, r.right, r.bottom, 0xff0000f0 + std::uint32_t(side)));
  }
}

// Pixels of got, rows of width, that differ from want(x, y); the first is reported.
template <class Want>
int Mismatches(const std::vector<std::uint32_t>& got, int width, Want&& want, const std::string& what) {
  int wrong = 0;
  for (std::size_t i = 0; i < got.size(); ++i) {
    const int x = int(i % std::size_t(width)), y = int(i / std::size_t(width));
    const std::uint32_t expected = want(x, y);
    if (got[i] == expected || wrong++) continue;
    ADD_FAILURE() << what << ": first at " << x << "," << y << " is " << std::hex << got[i] << ", not " << expected;
  }
  return wrong;
}

struct Case {
  int width;
  int height;
  bool coversAll;  // the first fill covers the whole surface
  Way way;         // how the whole surface is written
};

// Each way, at 2^20 pixels, one either side and 1920 x 1080, written into
// the surface's own pixels and, clipped and moved, into another picture (a
// block copy's way). Text and edge pairs come last, over the random shapes.
TEST(DeferredSurface, EveryWayGivesThePixelsOfPaintingEachShapeInTurn) {
  const Case cases[] = {
      {1024, 1024, true, Way::kInOrder},              // exactly 2^20
      {1271, 825, false, Way::kInOrder},              // 2^20 - 1
      {61681, 17, true, Way::kNearestFirstStreamed},  // 2^20 + 1
      {1920, 1080, true, Way::kNearestFirstStreamed},
      {1920, 1080, false, Way::kNearestFirst},
  };
  unsigned seed = 1;
  for (const Case& c : cases) {
    const std::string name =
        std::to_string(c.width) + "x" + std::to_string(c.height) + (c.coversAll ? " over all" : "");
    std::vector<Shape> shapes;
    // Not covering all, the ground leaves column 0 and the bottom row as they were.
    shapes.push_back(c.coversAll ? Fill(0, 0, c.width, c.height, 0xff004000)
                                 : Fill(1, 0, c.width, c.height - 1, 0xff004000));
    AddRandomShapes(shapes, seed++, c.width, c.height);
    AddWordEdgePairs(shapes, c.width, c.height);
    AddText(shapes, c.width, c.height);

    PlainPicture want = Underneath(c.width, c.height);
    PlainPicture own = want;
    Paint(want, shapes);
    DeferredSurface surface(c.width, c.height);
    Record(surface, shapes);

    // Clipped to columns 64 on (word edges stay where they were) and moved
    // left and down, so that the rows start off a 16-byte boundary.
    const Rect clip{kWord, 1, c.width - 1, c.height};
    const int dx = -61, dy = 1;
    std::vector<std::uint32_t> other(std::size_t(c.width) * (c.height + 1), kSentinel);
    const Way otherWay =
        surface.ResolveInto(own.Rows(), RasterTarget({other.data(), c.width, c.width, c.height + 1}, clip, dx, dy));
    const std::int64_t clipped = std::int64_t(clip.right - clip.left) * (clip.bottom - clip.top);
    EXPECT_EQ(otherWay, clipped <= kLargestInOrder ? Way::kInOrder : c.way) << name;
    const auto moved = [&](int x, int y) {
      x -= dx, y -= dy;
      const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
      return inside ? want.At(x, y) : kSentinel;
    };
    EXPECT_EQ(Mismatches(other, c.width, moved, name + " clipped"), 0);

    EXPECT_EQ(surface.ResolveInto(own.Rows(), own.Rows()), c.way) << name;
    EXPECT_EQ(Mismatches(
                  own.pixels, c.width, [&](int x, int y) { return want.At(x, y); }, name),
              0);
  }
}

}  // namespace deferred_surface_test
