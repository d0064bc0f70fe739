#include "bench/end_to_end_bench.h"

#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/end_to_end_figures.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct ClientSize {
  int width;
  int height;
};
constexpr ClientSize kSizes[] = {{1920, 1080}, {3840, 2160}, {7680, 4320}};

// Start-up, the resize, the warm-up and the measured stretch, with room to spare.
constexpr double kRunAllowanceSeconds = 60;

struct ChildRun {
  std::string output;
  std::string error;  // empty when the process ran and ended normally
  Clock::time_point spawned;
};

ChildRun RunChild(const std::string& size, double seconds) {
  ChildRun run;
  int fds[2];
  if (pipe(fds) != 0) {
    run.error = "no pipe";
    return run;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  std::string self = "/proc/self/exe";
  std::string option = kMeasureApplicationOption;
  std::string sizeArg = size;
  std::string secondsArg = std::to_string(seconds);
  char* argv[] = {self.data(), option.data(), sizeArg.data(), secondsArg.data(), nullptr};

  std::fflush(stdout);
  pid_t pid = 0;
  run.spawned = Clock::now();
  const int spawnError = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (spawnError != 0) {
    close(fds[0]);
    run.error = "could not start the measured process";
    return run;
  }

  const auto deadline = run.spawned + std::chrono::duration<double>(seconds + kRunAllowanceSeconds);
  char buffer[4096];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      kill(pid, SIGKILL);
      run.error = "the measured process did not finish in time";
      break;
    }
    pollfd p{fds[0], POLLIN, 0};
    if (poll(&p, 1, int(left)) <= 0) continue;
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    run.output.append(buffer, std::size_t(n));
  }
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (run.error.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
    run.error = "the measured process failed";
  return run;
}

void EndToEnd(benchmark::State& state, ClientSize size, double seconds) {
  const std::string sizeText = std::to_string(size.width) + "x" + std::to_string(size.height);
  for (auto _ : state) {
    const ChildRun run = RunChild(sizeText, seconds);
    if (!run.error.empty()) {
      state.SkipWithError(run.error.c_str());
      return;
    }
    const auto figures = ParseFigures(run.output);
    if (!figures) {
      state.SkipWithError("the measured process reported no figures");
      return;
    }
    const EndToEndFigures& f = *figures;
    if (f.clientWidth != size.width || f.clientHeight != size.height || f.seconds <= 0) {
      state.SkipWithError(("the render window did not reach " + sizeText).c_str());
      return;
    }
    state.SetIterationTime(f.paintMedianMs / 1000);
    state.counters["steps/s"] = f.steps / f.seconds;
    state.counters["paints/s"] = f.paints / f.seconds;
    state.counters["fps"] = f.fpsLast;
    state.counters["fps_min"] = f.fpsMin;
    state.counters["fps_max"] = f.fpsMax;
    state.counters["paint_p50_ms"] = f.paintMedianMs;
    state.counters["paint_p99_ms"] = f.paintP99Ms;
    state.counters["paint_max_ms"] = f.paintMaxMs;
    const auto firstFrame = Clock::time_point(std::chrono::nanoseconds(f.firstFrameNs)) - run.spawned;
    state.counters["first_frame_ms"] = std::chrono::duration<double, std::milli>(firstFrame).count();
  }
}

}  // namespace

void RegisterEndToEndBenchmarks(const std::string& platform, double seconds) {
  for (const ClientSize size : kSizes) {
    const std::string name =
        "EndToEnd/" + platform + "/" + std::to_string(size.width) + "x" + std::to_string(size.height);
    // The time column is the median paint inside the real loop.
    benchmark::RegisterBenchmark(name.c_str(), EndToEnd, size, seconds)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
}
