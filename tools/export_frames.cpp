#include "tools/export_frames.h"

#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>
#include <vector>

#include "tools/export_city.h"
#include "tools/export_picture.h"
#include "tools/flight_pictures.h"
#include "tools/interrupt_watch.h"
#include "tools/progress_line.h"

namespace {

constexpr std::string_view kEveryOption = "--every";
constexpr std::uint64_t kMaxCount = 100000;

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
  // The folders it makes, and every frame before it is written, are noted
  // with interrupt first: a signal then takes them away wherever it comes.
  explicit RunOutput(InterruptWatch& interrupt) : interrupt_(interrupt) {}
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
    for (auto folder = createdFolders_.rbegin(); folder != createdFolders_.rend(); ++folder) {
      interrupt_.RemoveFolderOnSignal(folder->string());  // outermost first, so it goes last
    }
    std::filesystem::create_directories(dir, error);
    if (error || !std::filesystem::is_directory(dir)) {
      throw UsageError("cannot write to " + Quoted(dir.string()) + ": " +
                       (error ? error.message() : "not a folder"));
    }
  }
  void Writing(const std::string& file) {
    interrupt_.RemoveFileOnSignal(file);
    interrupt_.RemoveFileOnSignal(PngTemporaryPath(file));
  }
  void Wrote(const std::string& file) { written_.push_back(file); }
  void Finished() { finished_ = true; }

 private:
  void Remove() {
    std::error_code ignored;  // what cannot be removed stays; the run already failed
    for (const std::string& file : written_) std::filesystem::remove(file, ignored);
    for (const auto& folder : createdFolders_) std::filesystem::remove(folder, ignored);  // only if empty
  }

  InterruptWatch& interrupt_;
  std::vector<std::filesystem::path> createdFolders_;
  std::vector<std::string> written_;
  bool finished_ = false;
};

}  // namespace

std::string RunFramesCommand(std::span<const std::string_view> args) {
  const ExportArgs parsed("frames", args,
                          {kFromOption, kCountOption, kEveryOption, kSizeOption, kScaleOption, kSeedOption, kOutOption},
                          {kQuietOption});
  const auto from = static_cast<std::uint32_t>(parsed.RequiredUnsigned(kFromOption, 0, kMaxTick));
  const std::uint64_t count = parsed.RequiredUnsigned(kCountOption, 1, kMaxCount);
  const auto every = static_cast<std::uint32_t>(parsed.RequiredUnsigned(kEveryOption, 1, kMaxTick));
  const PictureSize size = RequiredPictureSize(parsed);
  const double scale = PictureScale(parsed);
  const CityOptions city = CityOptionsFrom(parsed);
  const std::filesystem::path dir(parsed.Required(kOutOption));

  FlightPictures flight(city, size, from, scale);  // short of memory: fail before touching the disk
  InterruptWatch interrupt;
  RunOutput output(interrupt);
  output.MakeFolder(dir);
  ProgressLine progress(count, !parsed.Has(kQuietOption));
  for (std::uint64_t i = 0; i < count; ++i) {
    // Tick counts wrap at 32 bits, as the clock does.
    const std::string path = FramePath(dir, i);
    output.Writing(path);
    WritePng(flight.At(static_cast<std::uint32_t>(from + i * every)), path);
    output.Wrote(path);
    progress.Done(i + 1);
  }
  output.Finished();
  return {};
}
