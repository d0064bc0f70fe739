#include "web/page_picture.h"

#include <new>

#include "render/frame_meter.h"

namespace {
constexpr std::size_t kBytesPerPixel = 4;
}

bool PagePicture::Resize(int width, int height, double pixelRatio) {
  width_ = height_ = 0;
  bytes_.reset();  // first, so the old and the new picture are never both held
  // The browser build catches no exceptions: a failed allocation is a null.
  bytes_.reset(new (std::nothrow) std::uint8_t[std::size_t(width) * std::size_t(height) * kBytesPerPixel]);
  if (!bytes_) return false;
  width_ = width;
  height_ = height;
  pixelRatio_ = pixelRatio;
  return true;
}

void PagePicture::Paint(StatisticsLine) {
  // Until the frame paint is in: the ground alone.
  for (std::size_t i = 0; i < std::size_t(width_) * std::size_t(height_) * kBytesPerPixel; i += kBytesPerPixel) {
    bytes_[i] = GetRValue(kGroundColor);
    bytes_[i + 1] = GetGValue(kGroundColor);
    bytes_[i + 2] = GetBValue(kGroundColor);
    bytes_[i + 3] = 255;
  }
  CountPaintForMeter();
}
