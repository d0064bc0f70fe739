#pragma once
// The icon format: a large and a small square image with see-through
// pixels, written as rows of symbols of the standard colour key.

#include <array>
#include <span>

#include "platform/core/pixel_image.h"

inline constexpr int kLargeIconSize = 32;
inline constexpr int kSmallIconSize = 16;
inline constexpr std::array<int, 2> kIconSizes = {kSmallIconSize, kLargeIconSize};

struct IconResource {
  unsigned id = 0;
  std::span<const char* const> large;
  std::span<const char* const> small;
};
