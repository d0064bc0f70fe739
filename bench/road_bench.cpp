// The road rectangles of one paint, for cameras along the whole flight.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/allocation_counter.h"
#include "bench/fixed_scenes.h"
#include "pipeline/place_camera.h"
#include "render/road_grid.h"

namespace {

constexpr Rect kFullHd{0, 0, 1920, 1080};

std::vector<Camera> CamerasAlongFlight() {
  std::vector<Camera> cameras;
  for (std::uint32_t tick = 0; tick < kFlightPeriodMs; tick += kShortestStepMs) {
    Camera c;
    PlaceCamera(tick, c);
    cameras.push_back(c);
  }
  return cameras;
}

void RoadRectangles(benchmark::State& state) {
  const std::vector<Camera> cameras = CamerasAlongFlight();
  std::size_t next = 0;
  std::int64_t bands = 0;
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) {
    const RoadBands roads = RoadBandsOf(kFullHd, cameras[next]);
    bands += roads.count;
    benchmark::DoNotOptimize(roads);
    if (++next == cameras.size()) next = 0;
  }
  ReportAllocationsPerIteration(state, before);
  state.counters["bands"] = benchmark::Counter(double(bands), benchmark::Counter::kAvgIterations);
}
BENCHMARK(RoadRectangles)->Name("RoadRectangles/flight_sweep");

}  // namespace
