#include "platform/tick_count.h"

#include <ctime>
#include <utility>

namespace {

std::function<std::uint32_t()>& Source() {
  static std::function<std::uint32_t()> source;
  return source;
}

std::uint32_t SystemTicks() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const auto ms = std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u;
  return std::uint32_t(ms);  // keeps the low 32 bits: wraps like a 32-bit counter
}

}  // namespace

std::uint32_t GetTickCount() {
  const auto& source = Source();
  return source ? source() : SystemTicks();
}

void SetTickCountSource(std::function<std::uint32_t()> source) { Source() = std::move(source); }
