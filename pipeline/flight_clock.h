#pragma once
// The flight's clock for a program that steps by itself (the saver, the
// browser page): the flight starts where the program's would be at the
// clock's first reading and runs speed times as fast from there. Late or
// skipped steps only sample it more coarsely.

#include <cstdint>

struct FlightClock {
  std::uint32_t startTick = 0;  // the clock when the flight started
  std::uint32_t lastTick = 0;   // the clock at the last reading
  std::uint64_t elapsedMs = 0;  // since the start: 64 bits go on past the clock's wrap
  double speed = 1.0;
};

FlightClock StartFlightClock(std::uint32_t now, double speed);

// The flight's tick at the clock reading now. It wraps at 32 bits, as the
// program's clock does.
std::uint32_t FlightTickAt(FlightClock& clock, std::uint32_t now);

// A new city is due once newCitySeconds (0: never) have passed since the
// clock read builtAt.
bool NewCityDue(std::uint32_t builtAt, std::uint32_t now, std::uint32_t newCitySeconds);
