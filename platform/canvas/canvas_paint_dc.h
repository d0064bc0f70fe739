#pragma once
// The page's picture: a surface of its own pixels that frames are copied
// into, as a window's paint context is on the desktop, and that the page
// reads back to show.

#include <cstdint>

#include "platform/draw/dc.h"

class CanvasPaintDC : public CDC {
 public:
  // width x height pixels, black, for a screen of pixelRatio device pixels
  // to a logical one. Without the memory for them it has no context and
  // draws nothing.
  CanvasPaintDC(int width, int height, double pixelRatio);

  // The picture, 32-bit words 0xffRRGGBB row after row; null without a context.
  const std::uint32_t* Pixels();
  // The picture as a canvas takes it: bytes red, green, blue, alpha, four
  // for each pixel into rgba. False, with nothing written, without a context.
  bool CopyRgba(std::uint8_t* rgba);
};
