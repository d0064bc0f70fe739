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

  // The picture row after row, each pixel's bytes red, green, blue, alpha,
  // as a canvas takes them; null without a context.
  const std::uint32_t* Pixels();
};
