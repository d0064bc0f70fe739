#include "web/page_picture.h"

#include <new>

#include "render/back_buffer.h"
#include "render/frame_paint.h"

namespace {
constexpr std::size_t kBytesPerPixel = 4;
}

bool PagePicture::Resize(int width, int height, double pixelRatio) {
  // The old picture goes first, so that the old and the new are never both held.
  width_ = height_ = 0;
  ReleaseBackBuffer();
  surface_.reset();
  bytes_.reset();
  // The browser build catches no exceptions: a failed allocation is a null.
  surface_.reset(new (std::nothrow) CanvasPaintDC(width, height, pixelRatio));
  bytes_.reset(new (std::nothrow) std::uint8_t[std::size_t(width) * std::size_t(height) * kBytesPerPixel]);
  if (!surface_ || !surface_->GetSafeHdc() || !bytes_) {
    surface_.reset();
    bytes_.reset();
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}

void PagePicture::Paint(StatisticsLine line) {
  if (!surface_) return;
  PaintFrame(*surface_, Client(), line);
  surface_->CopyRgba(bytes_.get());
}
