#include "platform/draw/resource_image.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "platform/core/icon_resource.h"
#include "platform/core/resource_pictures.h"

QImage ToQImage(const PixelImage& image, std::optional<COLORREF> transparentColour) {
  QImage out(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.IsTransparent(x, y) || (transparentColour && image.ColourAt(x, y) == *transparentColour)) {
        out.setPixel(x, y, qRgba(0, 0, 0, 0));
        continue;
      }
      const COLORREF c = image.ColourAt(x, y);
      out.setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
    }
  }
  return out;
}

QIcon LoadIconResource(unsigned id) {
  QIcon icon;
  for (int size : kIconSizes) {
    const DecodedImage decoded = LoadIconImage(id, size);
    if (decoded.image) icon.addPixmap(QPixmap::fromImage(ToQImage(*decoded.image)));
  }
  return icon;
}

QPixmap LoadIconPixmap(unsigned id, int size, qreal ratio) {
  const DecodedImage decoded = LoadIconImage(id, size);
  return decoded.image ? PixmapForRatio(ToQImage(*decoded.image), ratio) : QPixmap();
}

QPixmap PixmapForRatio(const QImage& image, qreal ratio) {
  if (ratio == 1.0) return QPixmap::fromImage(image);
  QPixmap scaled =
      QPixmap::fromImage(image.scaled(image.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  scaled.setDevicePixelRatio(ratio);
  return scaled;
}

QIcon IconForScreens(const QImage& image) {
  QIcon icon(QPixmap::fromImage(image));
  std::vector<qreal> done{1.0};
  for (const QScreen* screen : QGuiApplication::screens()) {
    const qreal ratio = screen->devicePixelRatio();
    if (std::find(done.begin(), done.end(), ratio) != done.end()) continue;
    icon.addPixmap(PixmapForRatio(image, ratio));
    done.push_back(ratio);
  }
  return icon;
}
