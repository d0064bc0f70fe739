#include "platform/draw/text_line_cache.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

// Printable Latin-1 only: no line breaks, tabs or other control characters,
// so a prepared layout draws exactly what a laid-out box would.
bool IsPlainLine(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x20 && u < 0x7f) || u >= 0xa0;
  });
}

}  // namespace

void TextLineCache::Use(QPainter& painter, std::string_view text, const QRect& box, int flags) {
  if (box == box_ && flags == flags_ && text == text_ && !box_.isNull()) {
    if (plainLine_ && !preparedIsCurrent_) {
      QStaticText& layout = prepared_ ? *prepared_ : prepared_.emplace();
      layout.setTextFormat(Qt::PlainText);
      layout.setText(line_);
      layout.prepare(QTransform(), painter.font());
      preparedIsCurrent_ = true;
    }
    return;
  }
  text_.assign(text);
  line_ = QString::fromLatin1(text.data(), qsizetype(text.size()));
  box_ = box;
  flags_ = flags;
  covered_ = painter.fontMetrics().boundingRect(box, flags, line_);
  plainLine_ = IsPlainLine(text);
  preparedIsCurrent_ = false;
}

void TextLineCache::Draw(QPainter& painter) const {
  if (preparedIsCurrent_) {
    painter.drawStaticText(box_.topLeft(), *prepared_);
  } else {
    painter.drawText(box_, flags_, line_);
  }
}

void TextLineCache::Forget() { *this = TextLineCache(); }
