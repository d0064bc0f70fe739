#pragma once
// Picks the buildings whose centres lie in the visible ground patch, gives each
// its squared distance and view octant, and lists them nearest first in
// visibleOrder (ties by slot index).

#include <cstdint>

#include "base/geometry.h"
#include "scene/scene_store.h"

// Returns the new visibleCount.
std::int32_t CullAndSort(const Camera& camera, const Rect& clientRect);

// 1 when dx >= 0, plus 2 when dy >= 0, plus 4 when |dx| > |dy|.
std::int32_t ViewOctant(double dx, double dy);
