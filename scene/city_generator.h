#pragma once
// Fills the scene store's building table with a random city: the ground square
// is cut into cells by recursive halving and about every second leaf cell gets
// one box building. All randomness comes from crt::rand, in a fixed order.

#include <cstdint>

#include "scene/scene_store.h"

// Generates a new city of at most `limit` buildings (clamped to 0..kMaxBuildings)
// and sets buildingCount to the number stored. Every generation may fill the
// whole table again; a smaller limit exists for tests.
void GenerateCity(int limit = kMaxBuildings);

// Splits or settles one cell. Returns -1 for a cell of negative width or depth,
// else 0.
std::int32_t SubdivideCell(double x0, double y0, double x1, double y1);

// Stores a building centred in the leaf cell, unless the limit is reached
// (then nothing is stored and no height is drawn).
void AddBuilding(double x0, double y0, double x1, double y1);
