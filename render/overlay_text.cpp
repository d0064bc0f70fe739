#include "render/overlay_text.h"

#include <cstdio>

int FormatOverlay(char* buffer, std::size_t size, const OverlayFigures& f) {
  return std::snprintf(buffer, size, kOverlayFormat,
                       int(f.fps), int(f.visible), int(f.polygons), int(f.collisions));
}
