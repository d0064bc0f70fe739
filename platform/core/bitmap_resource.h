#pragma once
// The bitmap format: a strip of equally sized cells side by side, each cell
// written as rows of symbols of the standard colour key. A toolbar's bitmap
// has one cell per button that is not a separator, in the toolbar's order,
// drawn on the silver of a button face.

#include <span>

#include "platform/core/pixel_image.h"

// Silver, drawn as the button face colour when a glyph is shown.
inline constexpr COLORREF kButtonFaceColour = RGB(192, 192, 192);

struct BitmapResource {
  unsigned id = 0;
  int cellWidth = 0;
  int cellHeight = 0;
  std::span<const std::span<const char* const>> cells;
};
