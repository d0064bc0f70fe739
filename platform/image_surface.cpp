#include "platform/image_surface.h"

#include <QImageWriter>
#include <algorithm>

#include "platform/device_context.h"

ImageSurface::ImageSurface(int width, int height) : impl_(std::make_unique<Impl>()) {
  if (width <= 0 || height <= 0) return;
  impl_->image = QImage(width, height, QImage::Format_RGB32);
  if (!impl_->image.isNull()) impl_->image.fill(Qt::black);
}

ImageSurface::~ImageSurface() = default;

bool ImageSurface::IsValid() const { return !impl_->image.isNull(); }

int ImageSurface::Width() const { return impl_->image.width(); }

int ImageSurface::Height() const { return impl_->image.height(); }

COLORREF ImageSurface::Pixel(int x, int y) const {
  const QImage& image = impl_->image;
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return RGB(0, 0, 0);
  return FromQRgb(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]);
}

bool ImageSurface::SavePng(const std::string& path, std::string* error) const {
  QImageWriter writer(QString::fromStdString(path), "png");
  if (IsValid() && writer.write(impl_->image)) return true;
  if (error) *error = IsValid() ? writer.errorString().toStdString() : "the picture is empty";
  return false;
}
