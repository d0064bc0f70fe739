// City generation from the random source's start state and from a fixed seed.
#include <benchmark/benchmark.h>

#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

constexpr std::uint32_t kFixedSeed = 0x2A5F17;

void GenerateCityUnseeded(benchmark::State& state) {
  ResetScene();
  for (auto _ : state) {
    crt::ResetRandom();
    GenerateCity();
    benchmark::DoNotOptimize(Scene().buildingCount);
  }
  state.counters["buildings"] = Scene().buildingCount;
}
BENCHMARK(GenerateCityUnseeded)->Name("GenerateCity/unseeded");

void GenerateCitySeeded(benchmark::State& state) {
  ResetScene();
  for (auto _ : state) {
    crt::srand(kFixedSeed);
    GenerateCity();
    benchmark::DoNotOptimize(Scene().buildingCount);
  }
  state.counters["buildings"] = Scene().buildingCount;
}
BENCHMARK(GenerateCitySeeded)->Name("GenerateCity/seeded");

}  // namespace
