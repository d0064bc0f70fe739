#pragma once
// The flight as the page shows it, as the saver flies it: the city from the
// seed or the clock, the flight at the chosen speed from the clock, a new
// city when one is due or a click asks, a step when the cadence says. The
// clock is the browser's, in milliseconds since the epoch; the program's
// 32-bit tick is its low 32 bits.

#include <cstdint>
#include <string_view>

#include "pipeline/flight_clock.h"
#include "web/page_picture.h"
#include "web/page_settings.h"
#include "web/step_cadence.h"

struct FlightPage {
  PageSettings settings;
  FlightClock flight;
  StepCadence cadence;
  std::uint32_t now = 0;          // the clock at the last call, as a tick
  std::uint32_t cityBuiltAt = 0;  // the clock when the current city was built
  std::uint32_t steps = 0;        // steps taken since the start
  PagePicture picture;
};

// The page from its address's query; each setting ignored is one line on
// the console. Builds the first city.
void StartFlightPage(FlightPage& page, std::string_view query, double nowMs);

// A picture of width x height device pixels for a screen of pixelRatio,
// painted at once at the last step's geometry for that size; false when
// there is not memory enough.
bool ResizeFlightPage(FlightPage& page, int width, int height, double pixelRatio);

// Builds a new city when one is due and steps when a step is due; true when
// the picture was painted again.
bool FrameOfFlightPage(FlightPage& page, double nowMs);

// A new city seeded from the clock, as a click in the program builds one;
// shown from the next step on.
void NewCityOnPage(FlightPage& page, double nowMs);

// The frame of the last step painted again, for the timings.
void RepaintFlightPage(FlightPage& page);
