#include "platform/draw/text_capture.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>

namespace {

constexpr QRgb kBlank = 0xff000000;
constexpr QRgb kInk = 0xffffffff;
// Glyphs may reach out of the box the layout reports (a j below, an italic
// overhang): the scratch picture reaches this many lines beyond it each way.
constexpr int kInkReachLines = 2;
// A point at the resolution of an ordinary screen (96 dots an inch).
constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

double SurfaceFontPixels() {
  const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kPixelsPerPoint;
}

QFont SurfaceFont(double pixelRatio) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleStrategy(QFont::NoAntialias);
  // Sized in pixels, so the size does not hang on the surface's own
  // resolution, which differs between window systems and with the desktop's
  // settings (Xft.dpi).
  font.setPixelSize(qRound(SurfaceFontPixels() * pixelRatio));
  // The hinting is named: left to the toolkit, it would be off wherever the
  // toolkit itself scales, and a window there would draw other glyphs than
  // the exporter does. Full hinting keeps every stroke of a glyph the same
  // number of pixels wide.
  if (pixelRatio != 1.0) font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QRect TextCapture::Capture(std::string_view text, const QRect& box, int flags, const QRect& clip,
                           double pixelRatio) {
  const bool same = text == text_ && box == box_ && flags == flags_ && clip == clip_ &&
                    pixelRatio == pixelRatio_ && !box_.isNull();
  if (!same) {
    runs_.clear();
    if (pixelRatio != pixelRatio_) {
      pixelRatio_ = pixelRatio;
      if (painter_.isActive()) painter_.setFont(SurfaceFont(pixelRatio_));
    }
    if (!painter_.isActive() && !Grow(1, 1)) return {};
    text_.assign(text);
    line_ = QString::fromLatin1(text.data(), qsizetype(text.size()));
    box_ = box;
    flags_ = flags;
    clip_ = clip;
    covered_ = painter_.fontMetrics().boundingRect(box, flags, line_);
    const int reach = kInkReachLines * painter_.fontMetrics().height();
    Draw(covered_.adjusted(-reach, -reach, reach, reach) & clip);
  }
  return covered_;
}

bool TextCapture::Grow(int width, int height) {
  if (painter_.isActive()) painter_.end();
  scratch_ = QImage(width, height, QImage::Format_RGB32);
  if (scratch_.isNull() || !painter_.begin(&scratch_)) return false;
  // As every surface draws: no blending, so a pixel is ink or it is not.
  painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
  painter_.setFont(SurfaceFont(pixelRatio_));
  painter_.setPen(QColor::fromRgb(kInk));
  return true;
}

void TextCapture::Draw(const QRect& area) {
  runs_.clear();
  if (area.isEmpty()) return;
  // With room to spare: a line a few digits longer does not begin the
  // painter again, which allocates.
  if ((scratch_.width() < area.width() || scratch_.height() < area.height()) &&
      !Grow(std::max(scratch_.width(), area.width() + area.width() / 2),
            std::max(scratch_.height(), area.height() + area.height() / 2))) {
    box_ = QRect();  // not kept: tried again next time
    return;
  }
  // Ink the layout puts outside area lands in the rest of the scratch
  // picture, which is never read.
  painter_.fillRect(QRect(QPoint(0, 0), area.size()), QColor::fromRgb(kBlank));
  painter_.drawText(box_.translated(-area.topLeft()), flags_, line_);
  for (int y = 0; y < area.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(scratch_.constScanLine(y));
    for (int x = 0; x < area.width();) {
      if (row[x] == kBlank) {
        ++x;
        continue;
      }
      const int from = x;
      while (x < area.width() && row[x] != kBlank) ++x;
      runs_.push_back({area.top() + y, area.left() + from, area.left() + x});
    }
  }
}
