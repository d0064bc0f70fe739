#include "platform/draw/gdi_objects.h"

QColor ToQColor(COLORREF color) {
  return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF FromQRgb(QRgb rgb) {
  return RGB(std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb)));
}

QImage NewMonochromeImage() {
  QImage image(1, 1, QImage::Format_Mono);
  image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  image.fill(0);
  return image;
}
