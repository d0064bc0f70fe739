#pragma once
// Counts every allocation made through operator new in this process, so a
// benchmark can report how many one operation makes.

#include <benchmark/benchmark.h>

#include <cstdint>

std::uint64_t AllocationCount();

// Sets the "allocs/op" counter from the count taken before the timed loop.
inline void ReportAllocationsPerIteration(benchmark::State& state, std::uint64_t before) {
  state.counters["allocs/op"] = benchmark::Counter(double(AllocationCount() - before),
                                                   benchmark::Counter::kAvgIterations);
}
