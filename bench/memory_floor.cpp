#include "bench/memory_floor.h"

#include "bench/cpu_clock.h"

#include <chrono>
#include <cstring>
#include <cwchar>
#include <map>
#include <utility>

namespace {

// wchar_t is 32 bits wide here, so wmemset is the C library's vectorised
// 32-bit pattern fill.
static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));

constexpr auto kOwnMeasurement = std::chrono::milliseconds(300);

std::map<std::pair<int, int>, double>& Recorded() {
  static std::map<std::pair<int, int>, double> seconds;
  return seconds;
}

}  // namespace

MemoryFloor::MemoryFloor(int width, int height)
    : image_(std::size_t(width) * std::size_t(height)), window_(image_.size()) {}

void MemoryFloor::Run(std::uint32_t color) {
  std::wmemset(reinterpret_cast<wchar_t*>(image_.data()), static_cast<wchar_t>(color), image_.size());
  std::memcpy(window_.data(), image_.data(), image_.size() * sizeof(std::uint32_t));
}

void RecordFloorSeconds(int width, int height, double seconds) {
  Recorded()[{width, height}] = seconds;
}

double FloorSeconds(int width, int height) {
  if (auto it = Recorded().find({width, height}); it != Recorded().end()) return it->second;
  using Clock = std::chrono::steady_clock;
  MemoryFloor floor(width, height);
  floor.Run(0);  // touch every page before timing
  int runs = 0;
  const auto start = Clock::now();
  const double cpuStart = ProcessCpuSeconds();
  while (Clock::now() - start < kOwnMeasurement) {
    floor.Run(std::uint32_t(runs));
    ++runs;
  }
  const double seconds = (ProcessCpuSeconds() - cpuStart) / runs;
  RecordFloorSeconds(width, height, seconds);
  return seconds;
}
