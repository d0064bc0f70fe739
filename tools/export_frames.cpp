#include "tools/export_frames.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <limits>
#include <system_error>
#include <vector>

#include "pipeline/frame_geometry.h"
#include "platform/draw/image_surface.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"
#include "tools/export_city.h"
#include "tools/export_picture.h"

namespace {

constexpr std::string_view kFromOption = "--from";
constexpr std::string_view kCountOption = "--count";
constexpr std::string_view kEveryOption = "--every";
constexpr std::uint64_t kMaxCount = 100000;
constexpr std::uint64_t kMaxTick = std::numeric_limits<std::uint32_t>::max();
constexpr auto kQuietFor = std::chrono::seconds(1);  // no progress for runs shorter than this
constexpr auto kProgressEvery = std::chrono::milliseconds(500);

// frame-00000.png ... frame-99999.png: sorts in playing order.
std::string FramePath(const std::filesystem::path& dir, std::uint64_t index) {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%05llu.png", static_cast<unsigned long long>(index));
  return (dir / name).string();
}

// What a run adds to the disk: the folders it had to create and the frames it
// wrote. Unless the run finishes, they are taken away again, so a failed run
// leaves no partial sequence behind.
class RunOutput {
 public:
  RunOutput() = default;
  RunOutput(const RunOutput&) = delete;
  RunOutput& operator=(const RunOutput&) = delete;
  ~RunOutput() {
    if (!finished_) Remove();
  }

  void MakeFolder(const std::filesystem::path& dir) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(dir, error);
    for (std::filesystem::path p = absolute; !error && !p.empty(); p = p.parent_path()) {
      std::error_code missing;
      if (std::filesystem::symlink_status(p, missing).type() != std::filesystem::file_type::not_found) break;
      createdFolders_.push_back(p);  // deepest first, the order they must go in
      if (p == p.parent_path()) break;
    }
    std::filesystem::create_directories(dir, error);
    if (error || !std::filesystem::is_directory(dir)) {
      throw UsageError("cannot write to " + Quoted(dir.string()) + ": " +
                       (error ? error.message() : "not a folder"));
    }
  }
  void Wrote(const std::string& file) { written_.push_back(file); }
  void Finished() { finished_ = true; }

 private:
  void Remove() {
    std::error_code ignored;  // what cannot be removed stays; the run already failed
    for (const std::string& file : written_) std::filesystem::remove(file, ignored);
    for (const auto& folder : createdFolders_) std::filesystem::remove(folder, ignored);  // only if empty
  }

  std::vector<std::filesystem::path> createdFolders_;
  std::vector<std::string> written_;
  bool finished_ = false;
};

// Shows "frames: i/N" on stderr once a run has taken longer than a moment.
class Progress {
 public:
  explicit Progress(std::uint64_t total) : total_(total) {}
  ~Progress() {
    if (shown_) std::cerr << "\n";
  }
  void Done(std::uint64_t count) {
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < kQuietFor || (now - last_ < kProgressEvery && count != total_)) return;
    std::cerr << "\rframes: " << count << "/" << total_ << std::flush;
    shown_ = true;
    last_ = now;
  }

 private:
  std::uint64_t total_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point last_ = start_;
  bool shown_ = false;
};

}  // namespace

std::string RunFramesCommand(std::span<const std::string_view> args) {
  const ExportArgs parsed("frames", args,
                          {kFromOption, kCountOption, kEveryOption, kSizeOption, kSeedOption, kOutOption});
  const auto from = static_cast<std::uint32_t>(parsed.RequiredUnsigned(kFromOption, 0, kMaxTick));
  const std::uint64_t count = parsed.RequiredUnsigned(kCountOption, 1, kMaxCount);
  const auto every = static_cast<std::uint32_t>(parsed.RequiredUnsigned(kEveryOption, 1, kMaxTick));
  const PictureSize size = RequiredPictureSize(parsed);
  const CityOptions city = CityOptionsFrom(parsed);
  const std::filesystem::path dir(parsed.Required(kOutOption));

  EnsureGuiApplication();
  auto picture = NewPicture(size);  // short of memory: fail before touching the disk
  RunOutput output;
  output.MakeFolder(dir);
  if (city.seed) crt::srand(*city.seed);
  GenerateCity(city.limit);
  Scene().fpsWindowStart = from;  // the program started with the first frame

  Progress progress(count);
  for (std::uint64_t i = 0; i < count; ++i) {
    // Tick counts wrap at 32 bits, as the clock does.
    const auto tick = static_cast<std::uint32_t>(from + i * every);
    ComputeFrameGeometry(tick, Rect{0, 0, size.width, size.height});
    PaintPictureAt(tick, *picture);
    const std::string path = FramePath(dir, i);
    WritePng(*picture, path);
    output.Wrote(path);
    progress.Done(i + 1);
  }
  output.Finished();
  return {};
}
