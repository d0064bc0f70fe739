#include "web/flight_page.h"

#include <cstdio>
#include <vector>

#include "pipeline/frame_geometry.h"
#include "platform/core/tick_count.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

constexpr double kMsPerUs = 0.001;

std::uint32_t TickOf(double nowMs) { return std::uint32_t(std::uint64_t(nowMs)); }

void BuildCity(FlightPage& page, std::uint32_t seed) {
  crt::srand(seed);
  GenerateCity();
  page.cityBuiltAt = page.now;  // new cities keep time even while the flight's clock is held
}

StatisticsLine LineOf(const PageSettings& settings) {
  return settings.showStatistics ? StatisticsLine::shown : StatisticsLine::hidden;
}

void Step(FlightPage& page) {
  ComputeFrameGeometry(FlightTickAt(page.flight, GetTickCount()), page.picture.Client());
  page.picture.Paint(LineOf(page.settings));
  ++page.steps;
}

}  // namespace

void StartFlightPage(FlightPage& page, std::string_view query, double nowMs) {
  std::vector<std::string> faults;
  page.settings = ReadPageSettings(query, faults);
  for (const std::string& fault : faults) std::fprintf(stderr, "%s\n", fault.c_str());
  page.now = TickOf(nowMs);
  // The program's clock is the page's, or the tick the address holds it at.
  SetTickCountSource([&page] { return page.settings.fixedTick.value_or(page.now); });
  page.cadence.intervalMs = kDefaultDelayUs * kMsPerUs;
  page.flight = StartFlightClock(GetTickCount(), page.settings.speed);
  Scene().fpsWindowStart = page.flight.startTick;
  BuildCity(page, page.settings.seed.value_or(page.flight.startTick));  // unseeded: as a click builds one
}

bool ResizeFlightPage(FlightPage& page, int width, int height, double pixelRatio) {
  if (!page.picture.Resize(width, height, pixelRatio)) return false;
  Step(page);
  return true;
}

bool FrameOfFlightPage(FlightPage& page, double nowMs) {
  page.now = TickOf(nowMs);
  if (NewCityDue(page.cityBuiltAt, page.now, page.settings.newCitySeconds)) BuildCity(page, GetTickCount());
  if (!TakeStep(page.cadence, nowMs)) return false;
  Step(page);
  return true;
}

void NewCityOnPage(FlightPage& page, double nowMs) {
  page.now = TickOf(nowMs);
  BuildCity(page, GetTickCount());
}

void RepaintFlightPage(FlightPage& page) { page.picture.Paint(LineOf(page.settings)); }
