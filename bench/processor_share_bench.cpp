#include "bench/processor_share_bench.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Start-up and the first city, with room to spare, before the clocks are
// read; a shorter measured stretch warms up for no longer than it measures.
constexpr auto kWarmUp = std::chrono::milliseconds(1500);
constexpr const char* kSize = "1920x1080";
constexpr int kUtimeField = 14;  // of /proc/PID/stat, counted from 1; stime follows

// A program beside this one in build/bin.
std::string BesideThisProgram(const std::string& name) {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return name;
  std::string here(path, std::size_t(n));
  return here.substr(0, here.rfind('/') + 1) + name;
}

// Started with its output discarded; -1 when it could not be.
pid_t Spawn(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return failed == 0 ? pid : -1;
}

// User and system time of a live process, in seconds.
std::optional<double> ProcessorSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return std::nullopt;
  // The command name may hold spaces: count fields after its closing parenthesis (field 2).
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  long long utime = 0, stime = 0;
  for (int i = 3; i <= kUtimeField + 1 && fields >> field; ++i) {
    if (i == kUtimeField) utime = std::stoll(field);
    if (i == kUtimeField + 1) stime = std::stoll(field);
  }
  if (!fields) return std::nullopt;
  return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

// Processor time over wall time of the process while `seconds` pass after
// the warm-up; nothing when it could not be started or ended early.
std::optional<double> ShareOf(const std::vector<std::string>& args, double seconds) {
  const pid_t pid = Spawn(args);
  if (pid < 0) return std::nullopt;
  std::this_thread::sleep_for(std::min<std::chrono::duration<double>>(kWarmUp, std::chrono::duration<double>(seconds)));
  const std::optional<double> cpuStart = ProcessorSeconds(pid);
  const auto wallStart = Clock::now();
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  const std::optional<double> cpuEnd = ProcessorSeconds(pid);
  const auto wallEnd = Clock::now();
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!cpuStart || !cpuEnd) return std::nullopt;
  return (*cpuEnd - *cpuStart) / std::chrono::duration<double>(wallEnd - wallStart).count();
}

void ProcessorShare(benchmark::State& state, double seconds) {
  for (auto _ : state) {
    const auto saver = ShareOf({BesideThisProgram("kortalwind-saver"), "--geometry", kSize}, seconds);
    const auto program = ShareOf({BesideThisProgram("kortalwind"), "-geometry", kSize}, seconds);
    if (!saver || !program) {
      state.SkipWithError("the saver or the program did not run through the measurement");
      return;
    }
    state.SetIterationTime(seconds);
    state.counters["saver_share"] = *saver;
    state.counters["program_share"] = *program;
  }
}

}  // namespace

void RegisterProcessorShareBenchmark(const std::string& platform, double seconds) {
  // The time column is the measured stretch of each process; the counters are the figures.
  benchmark::RegisterBenchmark(("ProcessorShare/" + platform + "/" + kSize).c_str(), ProcessorShare, seconds)
      ->Iterations(1)
      ->UseManualTime()
      ->Unit(benchmark::kSecond);
}
