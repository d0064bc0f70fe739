#pragma once
// Icons by id, each a large and a small square image with see-through
// pixels.

#include <array>

#include "res/pixel_image.h"

inline constexpr int kLargeIconSize = 32;
inline constexpr int kSmallIconSize = 16;
inline constexpr std::array<int, 2> kIconSizes = {kSmallIconSize, kLargeIconSize};

// The image of icon id at size (16 or 32); the error names what is missing.
DecodedImage LoadIconImage(unsigned id, int size);
