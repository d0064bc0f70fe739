#include "web/page_picture.h"

#include <new>

#include "render/back_buffer.h"
#include "render/frame_paint.h"

bool PagePicture::Resize(int width, int height, double pixelRatio) {
  // The old picture goes first, so that the old and the new are never both held.
  width_ = height_ = 0;
  bytes_ = nullptr;
  ReleaseBackBuffer();
  surface_.reset();
  // The browser build catches no exceptions: a failed allocation is a null.
  surface_.reset(new (std::nothrow) CanvasPaintDC(width, height, pixelRatio));
  if (!surface_ || !surface_->GetSafeHdc()) {
    surface_.reset();
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}

void PagePicture::Paint(StatisticsLine line) {
  if (!surface_) return;
  PaintFrame(*surface_, Client(), line);
  // Reading the pixels writes what the paint kept into them.
  bytes_ = reinterpret_cast<const std::uint8_t*>(surface_->Pixels());
}
