#pragma once
// One animation step's geometry, shared by the render window and the tools:
// place the store's camera for the tick, then cull and project the city for
// the client rectangle. Allocates nothing.

#include <cstdint>

#include "base/geometry.h"

void ComputeFrameGeometry(std::uint32_t tick, const Rect& clientRect);
