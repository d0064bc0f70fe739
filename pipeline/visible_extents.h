#pragma once
// Half-extents of the patch of ground the picture shows, widened by a tenth.
// Shared by the visibility pass and the road grid so both agree to the bit.

#include "base/geometry.h"
#include "scene/scene_store.h"

struct VisibleExtents {
  double x = 0.0;  // (halfW / halfH) / zoom * altitude * 1.1
  double y = 0.0;  // altitude / zoom * 1.1
};

// A picture under two pixels high gives an infinite x extent (NaN when it is
// also under two pixels wide), exactly as IEEE division would.
VisibleExtents VisibleExtentsOf(const Camera& camera, const Rect& clientRect);
