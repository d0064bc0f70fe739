#pragma once
// Platform-internal: the layout of the text a surface drew last. A frame's
// statistics line is mostly the same as the frame before's, and laying text
// out allocates; a line drawn again keeps its layout, and one drawn a second
// time in a row is prepared so that further repeats draw without allocating.

#include <QPainter>
#include <QRect>
#include <QStaticText>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

class TextLineCache {
 public:
  // Makes text, laid out in box with flags in the painter's font, the current
  // text.
  void Use(QPainter& painter, std::string_view text, const QRect& box, int flags);
  // The rectangle the current text covers.
  const QRect& Covered() const { return covered_; }
  // Draws the current text with the painter's pen.
  void Draw(QPainter& painter) const;
  // The layout belongs to a font that is no longer the painter's; it also
  // must not outlive the GUI application.
  void Forget();

 private:
  std::string text_;
  QString line_;
  QRect box_;
  int flags_ = 0;
  QRect covered_;
  bool plainLine_ = false;
  std::optional<QStaticText> prepared_;  // made on the first repeat of a plain line
  bool preparedIsCurrent_ = false;
};
