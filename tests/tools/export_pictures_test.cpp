// The picture commands of kortalwind-export: PNG files that hold exactly the
// frame's colours, sequences with the meter counting, the road list of the
// frame command, and paths that cannot be written.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdint>
#include <new>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "pipeline/frame_geometry.h"
#include "platform/core/tick_count.h"
#include "platform/draw/drawing_faults.h"
#include "render/road_grid.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"
#include "tools/export_args.h"
#include "tools/export_frame.h"
#include "tools/export_frames.h"
#include "tools/export_video.h"
#include "tools/flight_pictures.h"
#include "tools/interrupt_watch.h"
#include "tools/video_recorder.h"

namespace fs = std::filesystem;
struct SwsContext;

namespace {
// While set, every allocation fails, as on a machine out of memory.
std::atomic<bool> failAllocations{false};
}  // namespace

void* operator new(std::size_t size) {
  if (failAllocations) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return failAllocations ? nullptr : std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

// Linked into the test program, this stands in for libswscale's own: it reads
// the four planes and four strides the library reads whatever the format, so
// that the sanitizers see the caller's arrays end too early, and hands on.
namespace {
const std::uint8_t* seenPlanes[4];
int seenStrides[4];
}  // namespace
extern "C" int sws_scale(SwsContext* scaler, const std::uint8_t* const planes[], const int strides[], int top,
                         int height, std::uint8_t* const out[], const int outStrides[]) {
  std::copy_n(planes, 4, seenPlanes);
  std::copy_n(strides, 4, seenStrides);
  using Scale = decltype(&sws_scale);
  static const auto scale = reinterpret_cast<Scale>(::dlsym(RTLD_NEXT, "sws_scale"));
  return scale(scaler, planes, strides, top, height, out, outStrides);
}

namespace {

struct ExportRun {
  int status = -1;
  std::string err;
};

// runner: what the exporter runs under, e.g. "prlimit ...".
ExportRun Export(const std::string& args, const std::string& runner = "") {
  const std::string err = ::testing::TempDir() + "kt_pictures_" + std::to_string(::getpid()) + ".err";
  const std::string cmd = runner + " " + std::getenv("KT_BIN_DIR") + "/kortalwind-export " + args +
                          " >/dev/null 2>" + err;
  const int raw = std::system(cmd.c_str());
  std::stringstream text;
  text << std::ifstream(err).rdbuf();
  fs::remove(err);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
}

std::set<QRgb> ColoursOf(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return colours;
}

class ExportPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("KT_BIN_DIR")) GTEST_SKIP() << "KT_BIN_DIR not set";
    dir = fs::path(::testing::TempDir()) / ("kt_pictures_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    fs::remove_all(dir);
    ResetScene();
    crt::ResetRandom();
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path dir;
};

TEST_F(ExportPictures, APngHoldsOnlyTheFramesOwnColours) {
  const std::string out = (dir / "f.png").string();
  const ExportRun r = Export("png --tick 4000 --size 800x600 --out " + out);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const QImage image(QString::fromStdString(out));
  ASSERT_EQ(image.size(), QSize(800, 600));
  const std::set<QRgb> allowed = {qRgb(0, 64, 0),    qRgb(64, 64, 64),    qRgb(96, 0, 0),
                                  qRgb(190, 190, 190), qRgb(210, 210, 210), qRgb(150, 150, 150),
                                  qRgb(120, 120, 120), qRgb(230, 230, 230), qRgb(255, 255, 0)};
  const std::set<QRgb> colours = ColoursOf(image);
  for (QRgb c : colours) EXPECT_TRUE(allowed.count(c)) << std::hex << c;
  EXPECT_TRUE(colours.count(qRgb(0, 64, 0)) && colours.count(qRgb(64, 64, 64)) &&
              colours.count(qRgb(96, 0, 0)));
  int yellow = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 60; ++x) yellow += image.pixel(x, y) == qRgb(255, 255, 0);
  EXPECT_GT(yellow, 20);  // "FPS:" in the corner
  EXPECT_EQ(Files(), std::vector<std::string>{"f.png"});
}

// One past the last row that holds yellow: where the statistics line's glyphs end.
int LineBottom(const QImage& image) {
  int bottom = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == qRgb(255, 255, 0)) bottom = y + 1;
  return bottom;
}

TEST_F(ExportPictures, ScaleDrawsOnlyTheStatisticsLineLarger) {
  const auto png = [&](const std::string& name, const std::string& options) {
    const std::string out = (dir / name).string();
    const ExportRun r = Export("png --tick 4000 --size 640x480 --seed 3 " + options + " --out " + out);
    EXPECT_EQ(r.status, 0) << r.err;
    return QImage(QString::fromStdString(out));
  };
  const QImage plain = png("plain.png", "");
  EXPECT_EQ(png("one.png", "--scale 1"), plain);
  const QImage doubled = png("two.png", "--scale 2");
  ASSERT_EQ(doubled.size(), plain.size());  // --size is the size in pixels
  const int line = LineBottom(plain);
  const int lineAt2 = LineBottom(doubled);
  EXPECT_GE(lineAt2, line * 2 - 2);
  EXPECT_LE(lineAt2, line * 2 + 2);
  // Below the larger line's cells the two pictures are the same.
  const int cells = lineAt2 + lineAt2 / 2;
  EXPECT_EQ(doubled.copy(0, cells, 640, 480 - cells), plain.copy(0, cells, 640, 480 - cells));
  // frames draws the same picture at the same ratio.
  const ExportRun r = Export("frames --from 4000 --count 1 --every 40 --size 640x480 --seed 3 --scale 2 --out " +
                             (dir / "seq").string());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(QImage(QString::fromStdString((dir / "seq" / "frame-00000.png").string())), doubled);
}

TEST_F(ExportPictures, FramesAreNumberedInOrderWithNothingElseLeft) {
  const ExportRun r = Export("frames --from 4000 --count 3 --every 40 --size 64x48 --seed 2 --out " +
                       (dir / "seq").string());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(fs::path(dir / "seq").filename(), "seq");
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir / "seq")) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"frame-00000.png", "frame-00001.png", "frame-00002.png"}));
  EXPECT_EQ(QImage(QString::fromStdString((dir / "seq" / "frame-00002.png").string())).size(),
            QSize(64, 48));
}

TEST_F(ExportPictures, TheMeterCountsAsIfSteppedEveryInterval) {
  // Paints at 0, 500, 1000 and 1500 ms: the third closes a sample of three.
  const std::string out = (dir / "m").string();
  const std::string_view args[] = {"--from", "0", "--count", "4", "--every", "500",
                                   "--size", "32x24", "--out", out};
  RunFramesCommand(args);
  EXPECT_EQ(Scene().shownFps, 3);
  EXPECT_EQ(Scene().framesThisSecond, 1);
  EXPECT_EQ(Scene().fpsWindowStart, 1000u);
}

TEST(VideoFrames, FrameIShowsTheStepNearestToIOverFps) {
  EXPECT_EQ(VideoFrameOffset(0, 25), 0u);
  EXPECT_EQ(VideoFrameOffset(7, 25), 280u);
  EXPECT_EQ(VideoFrameOffset(1, 30), 33u);
  EXPECT_EQ(VideoFrameOffset(2, 30), 67u);
  EXPECT_EQ(VideoFrameOffset(1, 80), 13u);  // 12.5: halves go up
  EXPECT_EQ(VideoFrameOffset(431999, 120), 3599992u);
  EXPECT_EQ(VideoFrameOffset(2, 7), 286u);
}

TEST(VideoFrames, TheColourConversionIsGivenFourPlanesAndFourStrides) {
  const std::string out = ::testing::TempDir() + "kt_planes_" + std::to_string(::getpid()) + ".mkv";
  constexpr int kWidth = 8, kHeight = 6;
  const std::vector<std::uint32_t> pixels(kWidth * kHeight, 0xff336699);
  {
    InterruptWatch interrupt;
    VideoRecorder recorder(out, {VideoFormat::ffv1Mkv, kWidth, kHeight, 25}, interrupt);
    recorder.Add(reinterpret_cast<const unsigned char*>(pixels.data()), kWidth * 4);
  }
  EXPECT_EQ(seenPlanes[0], reinterpret_cast<const std::uint8_t*>(pixels.data()));
  EXPECT_EQ(seenStrides[0], kWidth * 4);
  for (int unused = 1; unused < 4; ++unused) {  // packed pixels have one plane
    EXPECT_EQ(seenPlanes[unused], nullptr) << unused;
    EXPECT_EQ(seenStrides[unused], 0) << unused;
  }
  EXPECT_FALSE(fs::exists(out));  // unfinished: taken away
}

TEST(InterruptWatch, EachPutsBackTheHandlersItFound) {
  const auto handler = [] {
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    return now.sa_handler;
  };
  struct sigaction mine {}, saved {};
  mine.sa_handler = [](int) {};
  ::sigaction(SIGTERM, &mine, &saved);
  {
    const InterruptWatch outer;
    const auto outerHandler = handler();
    EXPECT_NE(outerHandler, mine.sa_handler);
    { const InterruptWatch inner; }
    EXPECT_EQ(handler(), outerHandler);
  }
  EXPECT_EQ(handler(), mine.sa_handler);
  ::sigaction(SIGTERM, &saved, nullptr);
}

TEST_F(ExportPictures, APaintThatFailsGivesTheClockBack) {
  FlightPictures flight({}, {64, 48}, 0);
  flight.At(0);  // what the paint keeps from picture to picture is there
  const std::uint32_t tick = SystemTickCount() + 0x80000000u;  // far from the clock's own reading
  bool threw = false;
  failAllocations = true;
  try {
    flight.At(tick);
  } catch (const std::bad_alloc&) {
    threw = true;
  }
  failAllocations = false;
  ASSERT_TRUE(threw);
  EXPECT_GT(GetTickCount() - tick, 0x40000000u);
}

TEST_F(ExportPictures, TheFrameListsTheRoadRectanglesInFillOrder) {
  const std::string_view args[] = {"--tick", "4000", "--size", "800x600"};
  const std::string json = RunFrameCommand(args);
  const RoadBands bands = RoadBandsOf({0, 0, 800, 600}, Scene().camera);
  ASSERT_GT(bands.count, 0);
  std::string expected = "\"roads\": [\n";
  for (int i = 0; i < bands.count; ++i) {
    const Rect& b = bands.rects[i];
    expected += "    [" + std::to_string(b.left) + ", " + std::to_string(b.top) + ", " +
                std::to_string(b.right) + ", " + std::to_string(b.bottom) + "]" +
                (i + 1 < bands.count ? ",\n" : "\n");
  }
  EXPECT_NE(json.find(expected + "  ]"), std::string::npos) << json.substr(json.find("\"roads\""));
}

TEST_F(ExportPictures, APathThatCannotBeWrittenIsOneLineAndStatusTwoWithNothingLeft) {
  fs::create_directory(dir / "taken.png");
  std::ofstream(dir / "file") << "x";
  const std::string cases[] = {
      "png --tick 1 --size 8x6 --out " + (dir / "missing" / "f.png").string(),
      "png --tick 1 --size 8x6 --out " + (dir / "taken.png").string(),
      "frames --from 0 --count 2 --every 40 --size 8x6 --out " + (dir / "file" / "sub").string(),
      "png --tick 1 --size 0x6 --out " + (dir / "f.png").string(),
      "png --tick 1 --size 8x6",
      "frames --from 0 --count 100001 --every 40 --size 8x6 --out " + dir.string(),
      "frames --from 0 --count 2 --every 0 --size 8x6 --out " + dir.string(),
  };
  for (const std::string& args : cases) {
    const ExportRun r = Export(args);
    EXPECT_EQ(r.status, 2) << args;
    ASSERT_FALSE(r.err.empty()) << args;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    EXPECT_EQ(r.err.rfind("kortalwind-export: ", 0), 0u) << r.err;
  }
  EXPECT_EQ(Files(), (std::vector<std::string>{"file", "taken.png"}));
  EXPECT_TRUE(fs::is_empty(dir / "taken.png"));
}

TEST_F(ExportPictures, AFailedSequenceTakesAwayWhatItWroteAndOnlyThat) {
  // Frame 1 cannot be written: frame 0 goes again, what was there stays.
  fs::create_directories(dir / "seq" / "frame-00001.png");
  std::ofstream(dir / "seq" / "notes.txt") << "mine";
  ExportRun r = Export("frames --from 0 --count 3 --every 40 --size 8x6 --out " + (dir / "seq").string());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("frame-00001.png"), std::string::npos) << r.err;
  std::vector<std::string> left;
  for (const auto& e : fs::directory_iterator(dir / "seq")) left.push_back(e.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"frame-00001.png", "notes.txt"}));

  // A run that fails at its first picture removes the folders it made.
  SetDrawingFaults({.bitmap = true});
  const std::string out = (dir / "new" / "deeper").string();
  const std::string_view args[] = {"--from", "0", "--count", "2", "--every", "40",
                                   "--size", "8x6", "--out", out};
  EXPECT_THROW(RunFramesCommand(args), std::runtime_error);
  SetDrawingFaults({});
  EXPECT_FALSE(fs::exists(dir / "new"));
}

TEST_F(ExportPictures, MemoryRunningOutPartWayIsStatusOneWithNothingLeft) {
#if defined(KT_SANITIZE)
  GTEST_SKIP() << "the address sanitizer's shadow memory needs an unlimited address space";
#endif
  // Room for the 256 MiB picture beside the program's own 80 MiB or so, not
  // for the second one the paint needs: the run fails after it has begun.
  // (It fails at once below 340 MiB and succeeds from 590 MiB.)
  constexpr long kAddressSpace = 460L << 20;
  std::ofstream(dir / "keep") << "mine";
  const ExportRun r = Export("frames --from 0 --count 2 --every 40 --size 8192x8192 --out " + (dir / "seq").string(),
                             "prlimit --as=" + std::to_string(kAddressSpace));
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(r.err, "kortalwind-export: not enough memory for a 8192x8192 picture\n");
  EXPECT_EQ(Files(), std::vector<std::string>{"keep"});
}

TEST_F(ExportPictures, OnlyARegularFileIsReplacedAndOddNamesStayOnOneLine) {
  const fs::path fifo = dir / "pipe.png";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ExportRun r = Export("png --tick 1 --size 8x6 --out '" + fifo.string() + "'");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::is_fifo(fifo));

  const fs::path newline = dir / "new\nline" / "f.png";
  r = Export("png --tick 1 --size 8x6 --out '" + newline.string() + "'");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;

  r = Export("'bad\ncommand'");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;

  std::ofstream(dir / "old.png") << "old";
  EXPECT_EQ(Export("png --tick 1 --size 8x6 --out " + (dir / "old.png").string()).status, 0);
  EXPECT_FALSE(QImage(QString::fromStdString((dir / "old.png").string())).isNull());
}

}  // namespace
