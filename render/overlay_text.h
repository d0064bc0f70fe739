#pragma once
// The statistics line in the picture's top-left corner.

#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kOverlayBufferSize = 1000;
inline constexpr const char* kOverlayFormat = "FPS:%3d, #Visible:%3d, #numPolys:%3d  #collisions:%3d";

struct OverlayFigures {
  std::int32_t fps = 0;
  std::int32_t visible = 0;
  std::int32_t polygons = 0;
  std::int32_t collisions = 0;
};

// Writes the line into buffer (size bytes, NUL included, cut short rather
// than overrun) and returns its full length.
int FormatOverlay(char* buffer, std::size_t size, const OverlayFigures& figures);
