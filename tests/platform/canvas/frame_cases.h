#pragma once
// The frames the canvas surfaces are checked with, shared by the program that
// paints them on the desktop and the test that composes them on the canvas:
// which city, tick, size, screen and statistics line, set up the same way on
// both sides, and the picture reduced to one hash a row.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "pipeline/frame_geometry.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

namespace frame_cases {

struct FrameCase {
  std::uint32_t seed;
  std::uint32_t tick;
  int width;
  int height;
  double ratio;
  bool line;         // the statistics line shown
  std::int32_t fps;  // what the meter shows: the line's figures run wide and negative too
};

inline std::vector<FrameCase> Cases() {
  std::vector<FrameCase> cases;
  const int sizes[][2] = {{1, 1}, {640, 480}, {1920, 1080}, {333, 77}};
  const std::int32_t figures[] = {0, 60, -45, 2147483647, -2147483647 - 1};
  std::uint32_t i = 0;
  for (const auto& size : sizes)
    for (const double ratio : {1.0, 2.0, 1.25})
      for (const bool line : {true, false}) {
        cases.push_back({1 + i * 7919, i * 9973, size[0], size[1], ratio, line, figures[i % 5]});
        ++i;
      }
  return cases;
}

inline std::string Name(const FrameCase& c) {
  return "seed" + std::to_string(c.seed) + "_tick" + std::to_string(c.tick) + "_" + std::to_string(c.width) + "x" +
         std::to_string(c.height) + "_ratio" + std::to_string(c.ratio) + (c.line ? "_line" : "_noline");
}

// The city and the frame of c, with the meter showing c.fps.
inline void SetUpScene(const FrameCase& c) {
  ResetScene();
  crt::srand(c.seed);
  GenerateCity();
  ComputeFrameGeometry(c.tick, Rect{0, 0, c.width, c.height});
  Scene().shownFps = c.fps;
}

// FNV-1a over a row's pixel words 0xffRRGGBB.
inline std::uint64_t RowHash(const std::uint32_t* row, int width) {
  std::uint64_t hash = 14695981039346656037ull;
  for (int x = 0; x < width; ++x) {
    hash ^= row[x] & 0xffffffu;
    hash *= 1099511628211ull;
  }
  return hash;
}

// The hashes of every case, one line a case: its name, then its rows' hashes.
inline std::string ReferencePath(const std::string& folder) { return folder + "/desktop_frames.txt"; }

}  // namespace frame_cases
