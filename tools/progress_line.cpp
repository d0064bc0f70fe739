#include "tools/progress_line.h"

#include <unistd.h>

#include <cstdio>

namespace {

// Often enough to look alive, seldom enough to cost nothing.
constexpr auto kRedrawEvery = std::chrono::milliseconds(200);

// m:ss, or h:mm:ss from an hour on.
std::string ClockText(std::chrono::milliseconds time) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time).count();
  char text[32];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
  }
  return text;
}

}  // namespace

std::string ProgressText(std::uint64_t done, std::uint64_t total, std::chrono::milliseconds elapsed) {
  // The rate so far gives the time left; nothing is known before a frame is done.
  const std::string left = done == 0 ? "-:--" : ClockText(elapsed * static_cast<std::int64_t>(total - done) /
                                                      static_cast<std::int64_t>(done));
  char text[96];
  std::snprintf(text, sizeof text, "%3llu %%  %llu/%llu frames  ",
                static_cast<unsigned long long>(total == 0 ? 100 : done * 100 / total),
                static_cast<unsigned long long>(done), static_cast<unsigned long long>(total));
  return text + ClockText(elapsed) + " elapsed  " + left + " left";
}

ProgressLine::ProgressLine(std::uint64_t total, bool wanted)
    : total_(total), shown_(wanted && ::isatty(STDERR_FILENO)) {}

ProgressLine::~ProgressLine() {
  if (written_) std::fputs("\n", stderr);
}

void ProgressLine::Done(std::uint64_t count) {
  if (!shown_) return;
  const auto now = Clock::now();
  if (written_ && now - last_ < kRedrawEvery && count != total_) return;
  last_ = now;
  written_ = true;
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - start_);
  // Back to the line's start, the new text, and away with what the old one had past it.
  std::fprintf(stderr, "\r%s\033[K", ProgressText(count, total_, elapsed).c_str());
  std::fflush(stderr);
}
