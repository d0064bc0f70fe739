#pragma once
// Processor time of this process. Ratios are taken from it rather than from
// the wall clock, because on a shared machine the wall clock also counts the
// time other processes held the processor.

#include <ctime>

inline double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}
