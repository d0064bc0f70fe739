#include "tools/export_video.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "platform/draw/image_surface.h"
#include "tools/export_args.h"
#include "tools/export_city.h"
#include "tools/export_options.h"
#include "tools/export_picture.h"
#include "tools/flight_pictures.h"
#include "tools/interrupt_watch.h"
#include "tools/progress_line.h"
#include "tools/video_recorder.h"

namespace {

constexpr std::string_view kFpsOption = "--fps";
constexpr std::string_view kSecondsOption = "--seconds";
constexpr std::uint64_t kDefaultFps = 25;  // one step every 40 ms, as the program steps
constexpr std::uint64_t kMaxFps = 120;
constexpr std::uint64_t kMaxSeconds = 3600;
constexpr std::uint64_t kMaxFrames = kMaxFps * kMaxSeconds;
constexpr PictureSize kDefaultSize{1280, 720};

struct FormatName {
  std::string_view extension;
  VideoFormat format;
  bool halvesColour;  // 4:2:0: the colour has half the resolution each way
};

constexpr FormatName kFormats[] = {
    {".mp4", VideoFormat::h264Mp4, true},
    {".webm", VideoFormat::vp9Webm, true},
    {".mkv", VideoFormat::ffv1Mkv, false},
};

const FormatName& FormatFor(std::string_view out) {
  std::string lower(out);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  for (const FormatName& f : kFormats) {
    if (lower.ends_with(f.extension)) return f;
  }
  throw UsageError("--out " + Quoted(out) + " must end in .mp4 (H.264), .webm (VP9) or .mkv (lossless FFV1)");
}

// 4:2:0 has one colour sample per 2 x 2 pixels, so both sides must be even.
void CheckEvenSides(const PictureSize& size, const FormatName& format) {
  if (!format.halvesColour || (size.width % 2 == 0 && size.height % 2 == 0)) return;
  const auto even = [](std::int32_t side) { return std::to_string(side + side % 2); };
  throw UsageError("a " + std::string(format.extension) + " video needs an even width and height: try --size " +
                   even(size.width) + "x" + even(size.height));
}

}  // namespace

std::uint64_t VideoFrameOffset(std::uint64_t i, std::uint64_t fps) { return (2 * i * 1000 + fps) / (2 * fps); }

std::string RunVideoCommand(std::span<const std::string_view> args) {
  const ExportArgs parsed("video", args,
                          {kOutOption, kSecondsOption, kCountOption, kFpsOption, kFromOption, kSizeOption, kScaleOption, kSeedOption,
                           kLimitOption},
                          {kQuietOption});
  const std::string out(parsed.Required(kOutOption));
  const FormatName& format = FormatFor(out);
  const std::uint64_t fps = parsed.Unsigned(kFpsOption, 1, kMaxFps, kDefaultFps);
  if (parsed.Has(kSecondsOption) == parsed.Has(kCountOption)) {
    throw UsageError("'video' needs one of --seconds and --count");
  }
  const std::uint64_t count = parsed.Has(kCountOption) ? parsed.RequiredUnsigned(kCountOption, 1, kMaxFrames)
                                                       : parsed.RequiredUnsigned(kSecondsOption, 1, kMaxSeconds) * fps;
  const auto from = static_cast<std::uint32_t>(parsed.Unsigned(kFromOption, 0, kMaxTick, 0));
  const PictureSize size = parsed.Has(kSizeOption) ? RequiredPictureSize(parsed) : kDefaultSize;
  CheckEvenSides(size, format);
  const double scale = PictureScale(parsed);
  const CityOptions city = CityOptionsFrom(parsed);

  FlightPictures flight(city, size, from, scale);
  InterruptWatch interrupt;  // before the temporary file exists, so that none is left
  VideoRecorder recorder(out, {format.format, size.width, size.height, static_cast<int>(fps)}, interrupt);
  ProgressLine progress(count, !parsed.Has(kQuietOption));
  for (std::uint64_t i = 0; i < count; ++i) {
    // Tick counts wrap at 32 bits, as the clock does.
    const ImageSurface& picture = flight.At(static_cast<std::uint32_t>(from + VideoFrameOffset(i, fps)));
    recorder.Add(picture.Bits(), picture.BytesPerLine());
    progress.Done(i + 1);
  }
  recorder.Finish();
  return {};
}
