#include "pipeline/picture_halves.h"

namespace {

// The difference is taken in 64 bits so that no rectangle can overflow it; half
// of any 32-bit difference fits in 32 bits again.
std::int32_t HalfSpan(std::int32_t low, std::int32_t high) {
  return static_cast<std::int32_t>((std::int64_t{high} - low) / 2);
}

}  // namespace

PictureHalves PictureHalvesOf(const Rect& clientRect) {
  return {HalfSpan(clientRect.left, clientRect.right), HalfSpan(clientRect.top, clientRect.bottom)};
}
