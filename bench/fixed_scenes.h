#pragma once
// The fixed inputs every benchmark runs on: the first city, a city that fills
// all slots in view, and the busiest moment of the first city's flight.

#include <cstdint>

#include "app/kor_talwind_app.h"
#include "base/geometry.h"

inline constexpr std::uint32_t kFlightPeriodMs = 480000;  // the camera path closes after 8 minutes
// The loop steps once strictly more than kStepIntervalMs have passed.
inline constexpr std::uint32_t kShortestStepMs = kStepIntervalMs + 1;

// The city every run starts with, generated from the random source's start state.
void LoadFirstCity();

// All slots filled with buildings whose centres lie in view of the camera at
// tick 0 (above x 1000, y 1000, altitude 1700) for any picture of landscape
// or square shape.
void LoadFullCityInView();

// The tick of the step, on the loaded city's flight sampled at the pump's
// rate, that gives the most quadrilaterals in a picture of clientRect.
std::uint32_t BusiestTick(const Rect& clientRect);
