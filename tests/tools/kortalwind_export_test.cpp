// Runs the built kortalwind-export as a user would and checks what it prints.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "pipeline/frame_geometry.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace {

struct Result {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// environment: "NAME=value " pairs the program runs with.
Result RunExport(const std::string& args, const std::string& environment = "") {
  const char* bin = std::getenv("KT_BIN_DIR");
  if (!bin) return {};
  const std::string base = ::testing::TempDir() + "kt_export_" + std::to_string(::getpid());
  const std::string cmd =
      environment + std::string(bin) + "/kortalwind-export " + args + " >" + base + ".out 2>" + base + ".err";
  const int raw = std::system(cmd.c_str());
  Result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(base + ".out"), ReadFile(base + ".err")};
  std::remove((base + ".out").c_str());
  std::remove((base + ".err").c_str());
  return r;
}

// The integer value of a top-level field (its key starts a line at indent 2).
long Field(const std::string& json, const std::string& key) {
  const std::string tag = "\n  \"" + key + "\": ";
  const auto at = json.find(tag);
  if (at == std::string::npos) return -999;
  return std::strtol(json.c_str() + at + tag.size(), nullptr, 10);
}

class KortalwindExport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("KT_BIN_DIR")) GTEST_SKIP() << "KT_BIN_DIR not set";
  }
  void TearDown() override {
    ResetScene();
    crt::ResetRandom();
  }
};

TEST_F(KortalwindExport, FirstCity) {
  const Result r = RunExport("city");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_NE(r.out.find("\"seed\": null"), std::string::npos);
  EXPECT_EQ(Field(r.out, "limit"), 100);
  EXPECT_EQ(Field(r.out, "draws"), 637);
  EXPECT_EQ(Field(r.out, "buildingCount"), 65);
  EXPECT_NE(r.out.find("{\"x\": 250, \"y\": -250, \"height\": 800, \"width\": 350, \"depth\": 350},\n"
                       "    {\"x\": 875, \"y\": -750, \"height\": 600, \"width\": 175, \"depth\": 350}"),
            std::string::npos);
  EXPECT_EQ(r.out.back(), '\n');
}

TEST_F(KortalwindExport, SeedsAndLimits) {
  EXPECT_EQ(Field(RunExport("city --seed 2").out, "buildingCount"), 49);
  EXPECT_EQ(Field(RunExport("city --seed=12345").out, "buildingCount"), 55);
  EXPECT_EQ(Field(RunExport("city --seed 12345").out, "seed"), 12345);
  const Result limited = RunExport("city --seed 1 --limit 10");
  EXPECT_EQ(Field(limited.out, "buildingCount"), 10);
  EXPECT_EQ(Field(limited.out, "draws"), 582);
  EXPECT_EQ(Field(RunExport("city --limit 0").out, "buildingCount"), 0);
  EXPECT_EQ(RunExport("city --seed 4294967295").status, 0);
}

TEST_F(KortalwindExport, FrameMatchesTheInProcessPipeline) {
  const Result r = RunExport("frame --tick 4000 --size 800x600 --seed 2");
  ASSERT_EQ(r.status, 0) << r.err;
  crt::srand(2);
  GenerateCity();
  ComputeFrameGeometry(4000, Rect{0, 0, 800, 600});
  const SceneStore& s = Scene();
  EXPECT_EQ(Field(r.out, "tick"), 4000);
  EXPECT_EQ(Field(r.out, "width"), 800);
  EXPECT_EQ(Field(r.out, "height"), 600);
  EXPECT_EQ(Field(r.out, "visibleCount"), s.visibleCount);
  EXPECT_EQ(Field(r.out, "pointCount"), s.pointCount);
  EXPECT_EQ(Field(r.out, "collisionCount"), s.collisionCount);
  ASSERT_GT(s.visibleCount, 0);
  std::string order = "\"visibleOrder\": [";
  for (int i = 0; i < s.visibleCount; ++i) order += (i ? ", " : "") + std::to_string(s.visibleOrder[i]);
  EXPECT_NE(r.out.find(order + "]"), std::string::npos);
  const Point& last = s.polygonPoints[s.pointCount - 1];
  EXPECT_NE(r.out.find("[" + std::to_string(last.x) + ", " + std::to_string(last.y) + "]\n  ],"), std::string::npos);
  EXPECT_NE(r.out.find("\"camera\": {\"x\": -499.99829019235904, \"y\": 1951.0565982946741, "
                       "\"altitude\": 1494.9750751954584, \"zoom\": 1}"),
            std::string::npos);
}

TEST_F(KortalwindExport, FrameAtTickZeroAndEmptyPicture) {
  const Result r = RunExport("frame --tick 0 --size 0x0");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"camera\": {\"x\": 1000, \"y\": 1000, \"altitude\": 1700, \"zoom\": 1}"), std::string::npos);
  EXPECT_EQ(Field(r.out, "pointCount"), 12 * Field(r.out, "visibleCount"));
  EXPECT_EQ(RunExport("frame --tick 4294967295 --size 16384x16384").status, 0);
}

// FFmpeg's libraries, with the hundred they load, are for video alone: the
// dynamic loader's own account names each file the program loaded.
TEST_F(KortalwindExport, OnlyVideoLoadsTheVideoLibraries) {
  const std::string out = ::testing::TempDir() + "kt_export_libraries_" + std::to_string(::getpid());
  const std::string loaded = "file=libavcodec.so.";
  const std::string commands[] = {"city", "frame --tick 1 --size 8x6", "png --tick 1 --size 8x6 --out " + out + ".png",
                                  "frames --from 0 --count 1 --every 1 --size 8x6 --out " + out};
  for (const std::string& args : commands) {
    const Result r = RunExport(args, "LD_DEBUG=files ");
    EXPECT_EQ(r.status, 0) << args << ": " << r.err;
    EXPECT_EQ(r.err.find(loaded), std::string::npos) << args;
  }
  const Result video = RunExport("video --count 1 --size 64x48 --out " + out + ".mkv", "LD_DEBUG=files ");
  EXPECT_EQ(video.status, 0) << video.err;
  EXPECT_NE(video.err.find(loaded), std::string::npos);
  std::system(("rm -rf '" + out + "' '" + out + ".png' '" + out + ".mkv'").c_str());
}

TEST_F(KortalwindExport, HelpGoesToStdout) {
  const Result r = RunExport("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("usage: kortalwind-export"), std::string::npos);
  EXPECT_NE(r.out.find("frame --tick T --size WxH"), std::string::npos);
  EXPECT_EQ(r.err, "");
}

TEST_F(KortalwindExport, BadInputGivesOneLineAndStatusTwo) {
  const char* cases[] = {
      "",
      "nonsense",
      "city --seed",
      "city --seed -1",
      "city --seed 4294967296",
      "city --seed abc",
      "city --limit 101",
      "city --limit 12x",
      "city --bogus 1",
      "city stray",
      "city --seed 1 --seed 1",
      "frame --size 800x600",
      "frame --tick 1",
      "frame --tick 4294967296 --size 8x6",
      "frame --tick 1 --size 12x",
      "frame --tick 1 --size 800",
      "frame --tick 1 --size 16385x600",
      "frame --tick 1 --size 800x600 --limit -3",
      "video --count 3",
      "video --out v.mp4",
      "video --count 3 --seconds 1 --out v.mp4",
      "video --count 432001 --out v.mkv",
      "video --seconds 0 --out v.mkv",
      "video --fps 121 --count 1 --out v.mkv",
      "video --count 1 --size 0x48 --out v.mkv",
      "video --count 1 --size 64x47 --out v.webm",
      "video --count 1 --out v.MP5",
      "png --tick 1 --size 8x6 --scale 0.5 --out p.png",
      "frames --from 0 --count 1 --every 1 --size 8x6 --scale 4.5 --out f",
      "video --count 1 --scale 1,5 --out v.mkv",
  };
  for (const char* args : cases) {
    const Result r = RunExport(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    ASSERT_FALSE(r.err.empty()) << args;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << ": " << r.err;
    EXPECT_EQ(r.err.rfind("kortalwind-export: ", 0), 0u) << r.err;
  }
}

}  // namespace
