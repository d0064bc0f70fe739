#include "platform/draw/image_surface.h"

#include <QFile>
#include <QImageWriter>
#include <algorithm>

#include "platform/draw/gdi_objects.h"

ImageSurface::ImageSurface(int width, int height) : pixels_(std::make_unique<ImagePixels>()) {
  if (width <= 0 || height <= 0) return;
  pixels_->image = QImage(width, height, QImage::Format_RGB32);
  if (!pixels_->image.isNull()) pixels_->image.fill(Qt::black);
}

ImageSurface::~ImageSurface() = default;

bool ImageSurface::IsValid() const { return !pixels_->image.isNull(); }

int ImageSurface::Width() const { return pixels_->image.width(); }

int ImageSurface::Height() const { return pixels_->image.height(); }

COLORREF ImageSurface::Pixel(int x, int y) const {
  const QImage& image = pixels_->image;
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return RGB(0, 0, 0);
  return FromQRgb(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
}

const unsigned char* ImageSurface::Bits() const { return IsValid() ? pixels_->image.constBits() : nullptr; }

int ImageSurface::BytesPerLine() const { return static_cast<int>(pixels_->image.bytesPerLine()); }

bool ImageSurface::SavePng(const std::string& path, std::string* error) const {
  const auto fail = [error](const QString& why) {
    if (error) *error = why.toStdString();
    return false;
  };
  if (!IsValid()) return fail(QStringLiteral("the picture is empty"));
  // Opened here rather than by the writer, whose message would not say why.
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return fail(file.errorString());
  QImageWriter writer(&file, "png");
  if (!writer.write(pixels_->image)) return fail(writer.errorString());
  if (!file.flush()) return fail(file.errorString());
  file.close();
  if (file.error() != QFileDevice::NoError) return fail(file.errorString());
  return true;
}
