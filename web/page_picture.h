#pragma once
// The picture the page shows: painted by the program's own frame paint into
// a surface of the browser's drawing layer, whose pixels are the bytes a
// canvas takes (red, green, blue, alpha), so the page's script hands them
// over as they are.

#include <cstdint>
#include <memory>

#include "base/geometry.h"
#include "platform/canvas/canvas_paint_dc.h"
#include "render/frame_compose.h"

class PagePicture {
 public:
  // A picture of width x height device pixels for a screen of pixelRatio;
  // false, with no picture, when there is not memory enough.
  bool Resize(int width, int height, double pixelRatio);
  // The frame of the last step, counted by the frame meter.
  void Paint(StatisticsLine line);

  // The picture's bytes, width x height x 4, as of the last paint.
  const std::uint8_t* Bytes() const { return bytes_; }
  Rect Client() const { return Rect{0, 0, width_, height_}; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<CanvasPaintDC> surface_;
  const std::uint8_t* bytes_ = nullptr;
};
