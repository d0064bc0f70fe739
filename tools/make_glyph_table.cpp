// Build-time tool: writes the glyph table (platform/raster/glyph_table.h) of
// the surface font as C++, from the desktop's own text drawing, for the
// surfaces that draw text without the toolkit.
//
//   kortalwind-make-glyph-table OUT.cpp
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QTextLayout>

#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/draw/text_capture.h"
#include "platform/raster/glyph_table.h"

namespace {

// The ratios screens commonly report, and a few between.
constexpr double kRatios[] = {1, 1.25, 1.5, 1.75, 2, 2.25, 2.5, 2.75, 3, 3.5, 4};
constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop;
// A glyph is drawn this many of its font's pixel sizes in from the scratch
// picture's corner, so that nothing it inks falls outside.
constexpr int kMarginSizes = 3;
// Any line the table is asked for: its height is the face's.
const QString kSampleLine = QStringLiteral("FPS:  0, #Visible:  0, #numPolys:  0  #collisions:  0");

struct Face {
  int pixelSize;
  bool fullHinting;
  int lineHeight;
  std::vector<GlyphImage> glyphs;
  std::vector<KernPair> kerns;
};

int Units(qreal pixels) { return int(std::lround(pixels * kGlyphUnitsPerPixel)); }

// v in a field of the table's type T: a font too large for the table stops the build.
template <class T>
T Field(int v) {
  if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
    throw std::range_error("the surface font is too large for the glyph table's fields (" + std::to_string(v) + ")");
  return T(v);
}

QString One(char c) { return QString(QChar::fromLatin1(c)); }

// The glyph positions of text laid out in font, in glyph units.
std::vector<int> Positions(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  std::vector<int> positions;
  for (const QGlyphRun& run : layout.glyphRuns())
    for (const QPointF& p : run.positions()) positions.push_back(Units(p.x()));
  return positions;
}

qreal Advance(const QFont& font, const QString& text) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  return line.horizontalAdvance();
}

// c drawn alone as the surfaces draw text, its ink as bits appended to bits.
GlyphImage Capture(const QFont& font, char c, std::vector<std::uint8_t>& bits, std::size_t& bitCount) {
  const int margin = kMarginSizes * font.pixelSize();
  QImage scratch(2 * margin + font.pixelSize() * 2, 2 * margin + font.pixelSize() * 2, QImage::Format_RGB32);
  scratch.fill(Qt::black);
  QPainter painter(&scratch);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(margin, margin, scratch.width(), scratch.height()), kFlags, One(c));
  painter.end();
  int left = scratch.width(), right = -1, top = scratch.height(), bottom = -1;
  for (int y = 0; y < scratch.height(); ++y)
    for (int x = 0; x < scratch.width(); ++x)
      if (scratch.pixel(x, y) != qRgb(0, 0, 0)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  const int overhang = std::max(0, -Units(QFontMetricsF(font).rightBearing(QChar::fromLatin1(c))));
  GlyphImage glyph{Field<std::int16_t>(Units(Advance(font, One(c)))), Field<std::int16_t>(overhang), 0, 0, 0, 0,
                   std::uint32_t((bitCount + 7) / 8)};
  if (right < 0) return glyph;
  bitCount = std::size_t(glyph.firstByte) * 8;
  glyph.left = Field<std::int8_t>(left - margin);
  glyph.top = Field<std::int8_t>(top - margin);
  glyph.width = Field<std::uint8_t>(right - left + 1);
  glyph.height = Field<std::uint8_t>(bottom - top + 1);
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x, ++bitCount) {
      if (bits.size() * 8 <= bitCount) bits.push_back(0);
      if (scratch.pixel(x, y) != qRgb(0, 0, 0)) bits[bitCount / 8] |= std::uint8_t(1u << (bitCount % 8));
    }
  return glyph;
}

Face Measure(double ratio, std::vector<std::uint8_t>& bits, std::size_t& bitCount) {
  const QFont font = SurfaceFont(ratio);
  Face face{font.pixelSize(), font.hintingPreference() == QFont::PreferFullHinting, 0, {}, {}};
  const QFontMetrics metrics(font);
  face.lineHeight = metrics.boundingRect(QRect(0, 0, 1 << 24, 1 << 24), kFlags, kSampleLine).height();
  for (char c = kFirstTableChar; c <= kLastTableChar; ++c) face.glyphs.push_back(Capture(font, c, bits, bitCount));
  // Kerning: where the second of a pair lands other than the first's advance on.
  for (char a = kFirstTableChar; a <= kLastTableChar; ++a) {
    for (char b = kFirstTableChar; b <= kLastTableChar; ++b) {
      const std::vector<int> at = Positions(font, One(a) + One(b));
      if (at.size() != 2) continue;  // a ligature: the table draws the pair as two glyphs
      const int adjust = at[1] - at[0] - face.glyphs[std::size_t(a - kFirstTableChar)].advance;
      if (adjust != 0) face.kerns.push_back({a, b, Field<std::int16_t>(adjust)});
    }
  }
  return face;
}

std::string Source(const std::vector<Face>& faces, const std::vector<std::uint8_t>& bits) {
  std::string out =
      "// Written by kortalwind-make-glyph-table; do not edit.\n"
      "#include \"platform/raster/glyph_table.h\"\n\nnamespace {\n\nconstexpr std::uint8_t kBits[] = {";
  for (std::size_t i = 0; i < bits.size(); ++i)
    out += std::string(i % 24 ? "," : "\n    ") + std::to_string(bits[i]) + (i % 24 == 23 ? "," : "");
  out += "};\n";
  for (std::size_t f = 0; f < faces.size(); ++f) {
    out += "\nconstexpr GlyphImage kGlyphs" + std::to_string(f) + "[] = {";
    for (const GlyphImage& g : faces[f].glyphs) {
      out += "\n    {" + std::to_string(g.advance) + "," + std::to_string(g.overhang) + "," + std::to_string(g.left) + "," + std::to_string(g.top) +
             "," + std::to_string(g.width) + "," + std::to_string(g.height) + "," + std::to_string(g.firstByte) + "},";
    }
    out += "};\nconstexpr KernPair kKerns" + std::to_string(f) + "[] = {";
    for (std::size_t i = 0; i < faces[f].kerns.size(); ++i) {
      const KernPair& k = faces[f].kerns[i];
      out += std::string(i % 8 ? " " : "\n    ") + "{" + std::to_string(int(k.left)) + "," +
             std::to_string(int(k.right)) + "," + std::to_string(k.adjust) + "},";
    }
    if (faces[f].kerns.empty()) out += "{0, 0, 0}";  // never matched: no pair starts with NUL
    out += "};\n";
  }
  out += "\nconstexpr GlyphFace kFaces[] = {";
  for (std::size_t f = 0; f < faces.size(); ++f) {
    const std::string n = std::to_string(f);
    out += "\n    {" + std::to_string(faces[f].pixelSize) + ", " + (faces[f].fullHinting ? "true" : "false") + ", " +
           std::to_string(faces[f].lineHeight) + ", kGlyphs" + n + ", kKerns" + n + "},";
  }
  char pixels[64];
  std::snprintf(pixels, sizeof pixels, "%.17g", SurfaceFontPixels());
  out += "};\n\n}  // namespace\n\nconst GlyphTable& SurfaceGlyphTable() {\n"
         "  static constexpr GlyphTable table{" + std::string(pixels) + ", kFaces, kBits};\n  return table;\n}\n";
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  // Measured as the exporter draws, on the platform that needs no display:
  // a build machine often has none.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kortalwind-make-glyph-table OUT.cpp\n");
    return 2;
  }
  std::vector<Face> faces;
  std::vector<std::uint8_t> bits;
  std::size_t bitCount = 0;
  try {
    for (const double ratio : kRatios) faces.push_back(Measure(ratio, bits, bitCount));
  } catch (const std::range_error& e) {
    std::fprintf(stderr, "kortalwind-make-glyph-table: %s\n", e.what());
    return 1;
  }
  const std::string source = Source(faces, bits);
  QSaveFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(source.data(), qint64(source.size())) != qint64(source.size()) ||
      !file.commit()) {
    std::fprintf(stderr, "kortalwind-make-glyph-table: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
