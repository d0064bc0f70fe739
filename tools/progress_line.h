#pragma once
// One line on stderr kept up to date while a long command runs: how far it
// is, in percent and in frames, the time taken and the time left. Only on a
// terminal: a log or a pipe gets nothing but errors.

#include <chrono>
#include <cstdint>
#include <string>

class ProgressLine {
 public:
  // Shows nothing unless wanted (no --quiet) and stderr is a terminal.
  ProgressLine(std::uint64_t total, bool wanted);
  // Ends the line, so that whatever follows starts on its own.
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void Done(std::uint64_t count);

 private:
  using Clock = std::chrono::steady_clock;
  std::uint64_t total_;
  bool shown_;
  bool written_ = false;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_{};
};

// " 42 %  210/500 frames  0:08 elapsed  0:11 left"
std::string ProgressText(std::uint64_t done, std::uint64_t total, std::chrono::milliseconds elapsed);
