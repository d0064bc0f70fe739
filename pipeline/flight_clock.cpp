#include "pipeline/flight_clock.h"

namespace {
constexpr std::uint32_t kMsPerSecond = 1000;
}

FlightClock StartFlightClock(std::uint32_t now, double speed) {
  FlightClock clock;
  clock.startTick = clock.lastTick = now;
  clock.speed = speed;
  return clock;
}

std::uint32_t FlightTickAt(FlightClock& clock, std::uint32_t now) {
  clock.elapsedMs += std::uint32_t(now - clock.lastTick);  // across the clock's wrap too: steps are never 49 days apart
  clock.lastTick = now;
  const auto flownMs = std::uint64_t(double(clock.elapsedMs) * clock.speed);
  return clock.startTick + std::uint32_t(flownMs);
}

bool NewCityDue(std::uint32_t builtAt, std::uint32_t now, std::uint32_t newCitySeconds) {
  return newCitySeconds != 0 && std::uint64_t(now - builtAt) >= std::uint64_t(newCitySeconds) * kMsPerSecond;
}
