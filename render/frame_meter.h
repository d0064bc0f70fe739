#pragma once
// The frame-rate meter: counts paints and, once a sample has lasted at least
// a second, shows how many it held.

// Counts one paint in the scene store's meter and closes the sample when
// 1000 ms or more have passed since it began (unsigned, so a wrap of the
// tick count is harmless). The new sample starts at a fresh clock reading.
void CountPaintForMeter();
