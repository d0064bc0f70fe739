#pragma once
// The toolbar format: toolbar layouts as data. Each button that is not
// ID_SEPARATOR takes the next image of the bitmap with the same id, in order.

#include <span>

struct ToolBarResource {
  unsigned id = 0;
  int buttonWidth = 0;   // image size in pixels
  int buttonHeight = 0;
  std::span<const unsigned> buttons;  // command ids; ID_SEPARATOR for a gap
};
