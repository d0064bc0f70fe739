// Loaded with LD_PRELOAD into a program under test: the clock of time since
// start (CLOCK_BOOTTIME, which the tick count reads) stands at the number of
// milliseconds written in the file KT_FIXED_TICK_FILE names, read anew each
// time, so a test moves the flight from frame to frame by rewriting it. Every
// other clock runs on: the program's timers still fire and it still steps.
#include <dlfcn.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>

namespace {

// The file's number, or -1 when it cannot be read.
long long FixedTick(const char* path) {
  const int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  char text[32] = {};
  const ssize_t got = read(fd, text, sizeof text - 1);
  close(fd);
  return got > 0 ? std::strtoll(text, nullptr, 10) : -1;
}

}  // namespace

extern "C" int clock_gettime(clockid_t clock, struct timespec* now) {
  using ClockRead = int (*)(clockid_t, struct timespec*);
  static const auto real = reinterpret_cast<ClockRead>(dlsym(RTLD_NEXT, "clock_gettime"));
  static const char* path = std::getenv("KT_FIXED_TICK_FILE");
  const long long ms = clock == CLOCK_BOOTTIME && path != nullptr ? FixedTick(path) : -1;
  if (ms < 0) return real(clock, now);
  now->tv_sec = time_t(ms / 1000);
  now->tv_nsec = long(ms % 1000) * 1000000L;
  return 0;
}
