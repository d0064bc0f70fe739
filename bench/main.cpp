// kortalwind-bench: every benchmark by default; Google Benchmark's own flags
// (filters, output formats, minimum times) work as usual. --e2e_seconds=S
// sets how long each end-to-end run measures (5 s unless given).
#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bench/bench_options.h"
#include "bench/end_to_end_bench.h"
#include "bench/end_to_end_probe.h"
#include "bench/processor_share_bench.h"

namespace {

// The measured process of an end-to-end run: OPTION WIDTHxHEIGHT SECONDS.
int MeasureApplication(char** argv) {
  int width = 0, height = 0;
  double seconds = 0;
  char rest = 0;
  if (std::sscanf(argv[2], "%dx%d%c", &width, &height, &rest) != 2 || width <= 0 || height <= 0 ||
      !ParseSeconds(argv[3], seconds)) {
    std::fprintf(stderr, "kortalwind-bench: bad arguments for %s\n", kMeasureApplicationOption);
    return 2;
  }
  return RunMeasuredApplication(width, height, seconds);
}

}  // namespace

int main(int argc, char** argv) {
  // Without a display the offscreen platform serves, and that is also what
  // the end-to-end runs are meant to measure unless told otherwise.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 4 && std::strcmp(argv[1], kMeasureApplicationOption) == 0) return MeasureApplication(argv);

  QApplication app(argc, argv);  // text in the paint needs the GUI application
  double seconds = kDefaultEndToEndSeconds;
  if (!TakeSecondsOption(argc, argv, seconds)) {
    std::fprintf(stderr, "kortalwind-bench: %s wants a number of seconds above 0, at most %g\n", kSecondsOption,
                 kMaxEndToEndSeconds);
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  RegisterEndToEndBenchmarks(QGuiApplication::platformName().toStdString(), seconds);
  RegisterProcessorShareBenchmark(QGuiApplication::platformName().toStdString(), seconds);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
