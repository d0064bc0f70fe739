#pragma once
// Turns every listed building into three screen quadrilaterals (two walls and
// the roof), farthest building first, and counts the buildings the camera is
// inside.

#include <cstdint>

#include "base/geometry.h"
#include "scene/scene_store.h"

// The roof is never projected closer than this below the camera.
inline constexpr double kRoofClearance = 50.0;

// Writes polygonPoints, polygonShade, pointCount and collisionCount; returns
// pointCount. Expects CullAndSort to have run with the same camera and picture.
std::int32_t ProjectBuildings(const Camera& camera, const Rect& clientRect);
