// The frame paint (ground, roads, quadrilaterals, overlay, block copy to a
// window-sized surface) on the busiest frame of the first city's flight, and
// the memory floor at the same sizes. The paint's "paint/floor" counter is
// the ratio of the two per-frame times.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "bench/allocation_counter.h"
#include "bench/fixed_scenes.h"
#include "bench/memory_floor.h"
#include "platform/image_surface.h"
#include "platform/paint_dc.h"
#include "render/back_buffer.h"
#include "render/frame_paint.h"
#include "scene/scene_store.h"

namespace {

using Clock = std::chrono::steady_clock;

struct PictureSize {
  int width;
  int height;
};
constexpr PictureSize kSizes[] = {{800, 600}, {1920, 1080}, {3840, 2160}};

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Floor(benchmark::State& state, PictureSize size) {
  MemoryFloor floor(size.width, size.height);
  floor.Run(0);  // every page touched before timing
  std::uint32_t color = 0;
  const auto start = Clock::now();
  for (auto _ : state) {
    floor.Run(++color);
    benchmark::ClobberMemory();
  }
  RecordFloorSeconds(size.width, size.height, SecondsSince(start) / double(state.iterations()));
  benchmark::DoNotOptimize(floor.WindowPixel(0));
  state.SetBytesProcessed(state.iterations() * std::int64_t(size.width) * size.height * 4);
}

void Paint(benchmark::State& state, PictureSize size) {
  const Rect client{0, 0, size.width, size.height};
  LoadFirstCity();
  const std::uint32_t tick = BusiestTick(client);
  ResetBackBuffer();
  ImageSurface window(size.width, size.height);
  if (!window.IsValid()) {
    state.SkipWithError("no memory for the window surface");
    return;
  }
  {
    CPaintDC dc(window);  // the first paint builds the back buffer; not timed
    PaintFrame(dc, client);
  }
  if (window.Pixel(size.width / 2, size.height - 1) == RGB(0, 0, 0)) {
    state.SkipWithError("the paint drew nothing");
    return;
  }

  const std::uint64_t before = AllocationCount();
  const auto start = Clock::now();
  for (auto _ : state) {
    CPaintDC dc(window);
    PaintFrame(dc, client);
  }
  const double perFrame = SecondsSince(start) / double(state.iterations());
  ReportAllocationsPerIteration(state, before);
  state.counters["paint/floor"] = perFrame / FloorSeconds(size.width, size.height);
  state.counters["tick"] = tick;
  state.counters["visible"] = Scene().visibleCount;
  state.counters["quads"] = Scene().pointCount / 4;
  ResetBackBuffer();
}

// Each size's floor runs right before its paint, so the ratio compares
// figures taken under the same conditions.
const bool registered = [] {
  for (const PictureSize size : kSizes) {
    const std::string suffix = "/" + std::to_string(size.width) + "x" + std::to_string(size.height);
    benchmark::RegisterBenchmark(("Floor" + suffix).c_str(), Floor, size)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("PaintFrame" + suffix).c_str(), Paint, size)->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
