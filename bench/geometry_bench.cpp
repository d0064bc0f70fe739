// One animation step's geometry: camera placement, culling with depth order
// and projection, on the first city along its flight and on a full table in
// view. Reports how many allocations a step makes (there should be none).
#include <benchmark/benchmark.h>

#include "bench/allocation_counter.h"
#include "bench/fixed_scenes.h"
#include "pipeline/frame_geometry.h"
#include "scene/scene_store.h"

namespace {

constexpr Rect kFullHd{0, 0, 1920, 1080};

// Steps along the whole flight at the pump's rate, so culling sees every
// altitude and every part of the city.
void FrameGeometrySweep(benchmark::State& state) {
  LoadFirstCity();
  std::uint32_t tick = 0;
  std::int64_t visibleSum = 0;
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) {
    ComputeFrameGeometry(tick, kFullHd);
    visibleSum += Scene().visibleCount;
    tick = (tick + kShortestStepMs) % kFlightPeriodMs;
  }
  ReportAllocationsPerIteration(state, before);
  state.counters["visible"] = benchmark::Counter(double(visibleSum), benchmark::Counter::kAvgIterations);
}
BENCHMARK(FrameGeometrySweep)->Name("FrameGeometry/first_city_sweep");

void FrameGeometryFullTable(benchmark::State& state) {
  LoadFullCityInView();
  ComputeFrameGeometry(0, kFullHd);
  if (Scene().visibleCount != kMaxBuildings) {
    state.SkipWithError("the full table is not entirely in view");
    return;
  }
  const std::uint64_t before = AllocationCount();
  for (auto _ : state) {
    ComputeFrameGeometry(0, kFullHd);
    benchmark::DoNotOptimize(Scene().pointCount);
  }
  ReportAllocationsPerIteration(state, before);
  state.counters["visible"] = Scene().visibleCount;
  state.counters["quads"] = Scene().pointCount / 4;
}
BENCHMARK(FrameGeometryFullTable)->Name("FrameGeometry/100_visible");

}  // namespace
