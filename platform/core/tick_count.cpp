#include "platform/core/tick_count.h"

#include <ctime>
#include <utility>

namespace {

std::function<std::uint32_t()>& Source() {
  static std::function<std::uint32_t()> source;
  return source;
}

}  // namespace

std::uint32_t SystemTickCount() {
  // The boot-time clock keeps counting while the machine sleeps, as time
  // since system start should; the monotonic one stops.
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const auto ms = std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u;
  return std::uint32_t(ms);  // keeps the low 32 bits: wraps like a 32-bit counter
}

std::uint32_t GetTickCount() {
  const auto& source = Source();
  return source ? source() : SystemTickCount();
}

void SetTickCountSource(std::function<std::uint32_t()> source) { Source() = std::move(source); }
