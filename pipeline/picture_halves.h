#pragma once
// Half the picture's width and height, the centre every mapping from world to
// picture is built around.

#include <cstdint>

#include "base/geometry.h"

struct PictureHalves {
  std::int32_t halfW = 0;
  std::int32_t halfH = 0;
};

// (right - left) / 2 and (bottom - top) / 2, truncating toward zero: 401 x 301
// gives 200 x 150.
PictureHalves PictureHalvesOf(const Rect& clientRect);
