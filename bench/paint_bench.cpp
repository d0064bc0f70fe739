// The frame paint (ground, roads, quadrilaterals, overlay, block copy to a
// window-sized surface) on the busiest frame of the first city's flight and
// on frames spread over the flight, and the memory floor at the same sizes.
// The paint's "paint/floor" counter is the ratio of the two per-frame
// processor times; "resolve", "copy" and "calls" split its wall time into
// writing the kept drawing (straight into the window when the block copy
// allows it), copying pixels that were already written, and the rest (the
// drawing calls, pen, brushes, text layout).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "bench/allocation_counter.h"
#include "bench/cpu_clock.h"
#include "bench/fixed_scenes.h"
#include "bench/memory_floor.h"
#include "pipeline/frame_geometry.h"
#include "platform/draw/drawing_clock.h"
#include "platform/draw/image_surface.h"
#include "platform/window/paint_dc.h"
#include "render/back_buffer.h"
#include "render/frame_paint.h"
#include "scene/scene_store.h"

namespace {

struct PaintSize {
  int width;
  int height;
};
constexpr PaintSize kSizes[] = {{800, 600}, {1920, 1080}, {3840, 2160}, {7680, 4320}};

void Floor(benchmark::State& state, PaintSize size) {
  MemoryFloor floor(size.width, size.height);
  floor.Run(0);  // every page touched before timing
  std::uint32_t color = 0;
  const double start = ProcessCpuSeconds();
  for (auto _ : state) {
    floor.Run(++color);
    benchmark::ClobberMemory();
  }
  RecordFloorSeconds(size.width, size.height, (ProcessCpuSeconds() - start) / double(state.iterations()));
  benchmark::DoNotOptimize(floor.WindowPixel(0));
  state.SetBytesProcessed(state.iterations() * std::int64_t(size.width) * size.height * 4);
}

// A window surface with the back buffer already built for it, as after the
// program's first paint; null (and the benchmark skipped) when it fails.
std::unique_ptr<ImageSurface> PaintedOnce(benchmark::State& state, const Rect& client) {
  ResetBackBuffer();
  auto window = std::make_unique<ImageSurface>(client.right, client.bottom);
  if (!window->IsValid()) {
    state.SkipWithError("no memory for the window surface");
    return nullptr;
  }
  CPaintDC dc(*window);
  PaintFrame(dc, client);
  if (window->Pixel(client.right / 2, client.bottom - 1) == RGB(0, 0, 0)) {
    state.SkipWithError("the paint drew nothing");
    return nullptr;
  }
  return window;
}

// What the measured loop started from.
struct LoopStart {
  double cpu = ProcessCpuSeconds();
  std::uint64_t allocations = AllocationCount();
  DrawingTime drawing = TimeSpentDrawing();
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
};

void ReportRatio(benchmark::State& state, PaintSize size, const LoopStart& start) {
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start.wall).count();
  const DrawingTime drawing = TimeSpentDrawing();
  const double perFrame = (ProcessCpuSeconds() - start.cpu) / double(state.iterations());
  ReportAllocationsPerIteration(state, start.allocations);
  state.counters["paint/floor"] = perFrame / FloorSeconds(size.width, size.height);
  if (wall <= 0) return;
  const double resolve = (drawing.resolveSeconds - start.drawing.resolveSeconds) / wall;
  const double copy = (drawing.copySeconds - start.drawing.copySeconds) / wall;
  state.counters["resolve"] = resolve;
  state.counters["copy"] = copy;
  state.counters["calls"] = 1 - resolve - copy;
}

// The same frame again and again: the busiest of the flight.
void Paint(benchmark::State& state, PaintSize size) {
  const Rect client{0, 0, size.width, size.height};
  LoadFirstCity();
  const std::uint32_t tick = BusiestTick(client);
  const auto window = PaintedOnce(state, client);
  if (!window) return;

  const LoopStart start;
  for (auto _ : state) {
    CPaintDC dc(*window);
    PaintFrame(dc, client);
  }
  ReportRatio(state, size, start);
  state.counters["tick"] = tick;
  state.counters["visible"] = Scene().visibleCount;
  state.counters["quads"] = Scene().pointCount / 4;
  ResetBackBuffer();
}

// Frames spread over the whole flight, each stepped before it is painted
// (the step costs microseconds, the paint milliseconds): the typical frame.
void PaintAlongFlight(benchmark::State& state, PaintSize size) {
  constexpr std::uint32_t kStride = 4999;  // prime to the period: samples spread over the path
  const Rect client{0, 0, size.width, size.height};
  LoadFirstCity();
  const auto window = PaintedOnce(state, client);
  if (!window) return;

  std::uint32_t tick = 0;
  std::int64_t quads = 0;
  const LoopStart start;
  for (auto _ : state) {
    ComputeFrameGeometry(tick, client);
    quads += Scene().pointCount / 4;
    CPaintDC dc(*window);
    PaintFrame(dc, client);
    tick = (tick + kStride) % kFlightPeriodMs;
  }
  ReportRatio(state, size, start);
  state.counters["quads"] = benchmark::Counter(double(quads), benchmark::Counter::kAvgIterations);
  ResetBackBuffer();
}

// Each size's floor runs right before its paint, so the ratio compares
// figures taken under the same conditions.
const bool registered = [] {
  for (const PaintSize size : kSizes) {
    const std::string suffix = "/" + std::to_string(size.width) + "x" + std::to_string(size.height);
    benchmark::RegisterBenchmark(("Floor" + suffix).c_str(), Floor, size)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("PaintFrame" + suffix).c_str(), Paint, size)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("PaintFrame/flight" + suffix).c_str(), PaintAlongFlight, size)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
