// Recording the flight as kortalwind-export video does: painting, colour
// conversion, encoding and writing, at 1920 x 1080 in H.264 and 640 x 480 in
// FFV1. Each iteration records 100 frames (4 s of video) into a temporary
// file, from set-up to the renamed file; "frames/s" is the wall-clock rate
// of a whole recording, "cpu_ms/frame" the processor time of all the threads.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench/cpu_clock.h"
#include "platform/draw/image_surface.h"
#include "render/back_buffer.h"
#include "scene/city_generator.h"
#include "tools/flight_pictures.h"
#include "tools/interrupt_watch.h"
#include "tools/video_recorder.h"

namespace {

constexpr int kFramesPerRecording = 100;
constexpr std::uint32_t kFrameMs = 40;  // 25 frames a second
constexpr std::uint32_t kFromTick = 0;

struct Recording {
  const char* name;
  VideoFormat format;
  const char* extension;
  int width;
  int height;
};
constexpr Recording kRecordings[] = {
    {"Record/h264/1920x1080", VideoFormat::h264Mp4, ".mp4", 1920, 1080},
    {"Record/ffv1/640x480", VideoFormat::ffv1Mkv, ".mkv", 640, 480},
};

void Record(benchmark::State& state, const Recording& recording) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("kortalwind-bench-" + std::to_string(::getpid()) + recording.extension))
                               .string();
  FlightPictures flight(CityOptions{.seed = {}, .limit = kMaxBuildings}, {recording.width, recording.height}, kFromTick);
  const double startCpu = ProcessCpuSeconds();
  InterruptWatch interrupt;  // a benchmark stopped by Ctrl-C leaves no file behind either
  try {
    for (auto _ : state) {
      VideoRecorder recorder(path, {recording.format, recording.width, recording.height, 1000 / kFrameMs},
                             interrupt);
      for (int i = 0; i < kFramesPerRecording; ++i) {
        const ImageSurface& picture = flight.At(kFromTick + i * kFrameMs);
        recorder.Add(picture.Bits(), picture.BytesPerLine());
      }
      recorder.Finish();
    }
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
  }
  const double frames = double(state.iterations()) * kFramesPerRecording;
  state.counters["frames/s"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
  state.counters["cpu_ms/frame"] = (ProcessCpuSeconds() - startCpu) * 1000 / frames;
  std::filesystem::remove(path);
  ResetBackBuffer();
}

const bool recordingsRegistered = [] {
  for (const Recording& recording : kRecordings) {
    benchmark::RegisterBenchmark(recording.name, Record, recording)->Unit(benchmark::kMillisecond)->UseRealTime();
  }
  return true;
}();

}  // namespace
