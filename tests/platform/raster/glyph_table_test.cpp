// Text drawn from the glyph table against the same text drawn by the
// toolkit (TextCapture, as every desktop surface draws it): the same covered
// rectangle and the same runs, at every face the table holds, for statistics
// lines with any figures, other printable text, and boxes that reach over
// the surface's edges or start off it.
#include "platform/raster/table_text.h"

#include <gtest/gtest.h>

#include <QRect>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/draw/text_capture.h"

namespace glyph_table_test {

constexpr int kLayoutExtent = 1 << 24;  // as the surfaces lay text out
constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop;
constexpr int kLinesPerFace = 200;

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// A figure as the statistics line may hold it: mostly small, sometimes
// negative or as wide as 32 bits allow.
int Figure(std::mt19937& random) {
  switch (random() % 4) {
    case 0: return int(random() % 1000);
    case 1: return -int(random() % 1000);
    case 2: return std::uniform_int_distribution<int>(std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max())(random);
    default: return int(random() % 100);
  }
}

std::string StatisticsLine(std::mt19937& random) {
  char line[200];
  std::snprintf(line, sizeof line, "FPS:%3d, #Visible:%3d, #numPolys:%3d  #collisions:%3d", Figure(random),
                Figure(random), Figure(random), Figure(random));
  return line;
}

// Printable ASCII but f, which the toolkit joins with f, i or l into one
// glyph the table does not hold.
std::string PrintableLine(std::mt19937& random) {
  std::string line(1 + random() % 40, ' ');
  for (char& c : line) {
    do c = char(kFirstTableChar + random() % kTableChars);
    while (c == 'f');
  }
  return line;
}

// The ratio whose face is face, as a screen would report it.
double RatioOf(const GlyphFace& face, const GlyphTable& table) {
  return face.fullHinting ? face.pixelSize / table.pixelsAtOne : 1.0;
}

// Lays text out both ways from corner, clipped to what of the box from
// corner to its far corner lies in a surface of width x height, as a
// surface's DrawText clips it.
void ExpectSameText(TableText& table, TextCapture& toolkit, const std::string& text, Point corner, Point far,
                    int width, int height, double ratio) {
  const Rect clip{std::max(corner.x, 0), std::max(corner.y, 0), std::min(far.x, width), std::min(far.y, height)};
  if (clip.right <= clip.left || clip.bottom <= clip.top) return;  // a surface draws nothing then
  SCOPED_TRACE("\"" + text + "\" from " + std::to_string(corner.x) + "," + std::to_string(corner.y) + " at ratio " +
               std::to_string(ratio));
  const QRect expected = toolkit.Capture(text, QRect(corner.x, corner.y, kLayoutExtent, kLayoutExtent), kFlags,
                                         ToQRect(clip), ratio);
  const Rect covered = table.Lay(text, corner, clip, ratio);
  EXPECT_EQ(ToQRect(covered), expected);
  const std::vector<GlyphRun>& want = toolkit.Runs();
  const std::span<const GlyphRun> got = table.Runs();
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    ASSERT_EQ(got[i].y, want[i].y) << "run " << i;
    ASSERT_EQ(got[i].from, want[i].from) << "run " << i << " of row " << want[i].y;
    ASSERT_EQ(got[i].to, want[i].to) << "run " << i << " of row " << want[i].y;
  }
}

TEST(GlyphTable, RandomLinesAtEveryFaceMatchTheToolkit) {
  const GlyphTable& glyphs = SurfaceGlyphTable();
  std::vector<std::string> notices;
  TableText table(glyphs, [&](const std::string& what) { notices.push_back(what); });
  TextCapture toolkit;
  std::mt19937 random(20261209);
  for (const GlyphFace& face : glyphs.faces) {
    const double ratio = RatioOf(face, glyphs);
    EXPECT_EQ(&table.FaceFor(ratio), &face);
    for (int i = 0; i < kLinesPerFace; ++i) {
      const std::string text = i % 3 == 2 ? PrintableLine(random) : StatisticsLine(random);
      // Mostly inside a 640 x 480 surface, some reaching over or starting
      // beyond an edge, some in a surface smaller than the line.
      const bool small = i % 5 == 0;
      const int width = small ? 1 + int(random() % 200) : 640, height = small ? 1 + int(random() % 40) : 480;
      const Point corner{int(random() % 900) - 300, int(random() % 600) - 100};
      const Point far = i % 4 == 0 ? Point{corner.x + int(random() % 400), corner.y + int(random() % 40)}
                                   : Point{width, height};
      ExpectSameText(table, toolkit, text, corner, far, width, height, ratio);
    }
  }
  EXPECT_TRUE(notices.empty()) << notices.front();
}

TEST(GlyphTable, EdgeCasesMatchTheToolkit) {
  const GlyphTable& glyphs = SurfaceGlyphTable();
  TableText table(glyphs);
  TextCapture toolkit;
  const std::string widest = "FPS:-2147483648, #Visible:-2147483648, #numPolys:-2147483648  #collisions:-2147483648";
  for (const GlyphFace& face : glyphs.faces) {
    const double ratio = RatioOf(face, glyphs);
    ExpectSameText(table, toolkit, widest, {0, 0}, {1920, 1080}, 1920, 1080, ratio);
    ExpectSameText(table, toolkit, widest, {-kLayoutExtent, -kLayoutExtent}, {1920, 1080}, 1920, 1080, ratio);
    ExpectSameText(table, toolkit, widest, {-37, -5}, {1, 1}, 1, 1, ratio);           // a 1 x 1 surface
    ExpectSameText(table, toolkit, widest, {1900, 1070}, {1920, 1080}, 1920, 1080, ratio);
    ExpectSameText(table, toolkit, "", {3, 4}, {640, 480}, 640, 480, ratio);        // covers a line of nothing
    ExpectSameText(table, toolkit, "  ", {3, 4}, {640, 480}, 640, 480, ratio);      // spaces take room
  }
}

TEST(GlyphTable, SizesAndCharactersItLacksAreToldOnce) {
  const GlyphTable& glyphs = SurfaceGlyphTable();
  std::vector<std::string> notices;
  TableText table(glyphs, [&](const std::string& what) { notices.push_back(what); });
  TextCapture toolkit;
  // 1.05 asks for 13 pixels, fully hinted; the nearest face is the
  // ordinary screen's 12, drawn as it is there.
  const double lacking = 13.0 / glyphs.pixelsAtOne;
  const GlyphFace& drawn = table.FaceFor(lacking);
  ASSERT_EQ(notices.size(), 1u);
  const std::string line = "FPS: 60, #Visible: 12, #numPolys: 40  #collisions:  0";
  const Rect clip{0, 0, 640, 480};
  const Rect covered = table.Lay(line, {5, 6}, clip, lacking);
  const std::vector<GlyphRun> runs(table.Runs().begin(), table.Runs().end());
  EXPECT_EQ(ToQRect(covered), toolkit.Capture(line, QRect(5, 6, kLayoutExtent, kLayoutExtent), kFlags,
                                              ToQRect(clip), RatioOf(drawn, glyphs)));
  EXPECT_EQ(runs.size(), toolkit.Runs().size());
  EXPECT_EQ(notices.size(), 1u);  // the second line at that size says nothing more
  // Characters beyond the table take no room and are told of once.
  const Rect without = table.Lay("FPS\n:\xe9", {0, 0}, clip, 1.0);
  EXPECT_EQ(without, table.Lay("FPS:", {0, 0}, clip, 1.0));
  table.Lay("\t", {0, 0}, clip, 1.0);
  EXPECT_EQ(notices.size(), 2u);
}

}  // namespace glyph_table_test
