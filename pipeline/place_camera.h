#pragma once
// The camera's flight: a closed path over the city that depends on the clock
// alone, so late or skipped steps only sample it more coarsely.

#include <cstdint>

#include "scene/scene_store.h"

// Sets x, y and altitude for the tick count; zoom is left alone.
void PlaceCamera(std::uint32_t tick, Camera& camera);
