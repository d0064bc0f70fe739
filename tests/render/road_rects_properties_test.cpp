// What must hold for the road rectangles of every picture and camera: never
// more than 22, and each one the band of a grid line whose two edges both
// passed the widened-extent test, where that band falls on the picture.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "pipeline/place_camera.h"
#include "render/road_grid.h"
#include "tests/pipeline/frame_cases.h"

namespace {

using frame_cases::FrameCase;

constexpr int kCases = 10000;
constexpr std::uint32_t kCaseSeed = 4242;
constexpr double kSlackPixels = 1.0;  // truncation moves an edge by less than a pixel

struct RoadCase {
  Rect client;
  Camera camera;
};

std::string Describe(const RoadCase& c) {
  std::ostringstream out;
  out.precision(17);
  out << c.client.right << " x " << c.client.bottom << ", camera (" << c.camera.x << ", " << c.camera.y << ", "
      << c.camera.altitude << ")";
  return out.str();
}

// Half the cases fly the real path; the others put the camera anywhere over
// and beyond the grid, from just above the ground to far up, where every
// line passes.
std::vector<RoadCase> MakeCases() {
  std::mt19937 rng(kCaseSeed);
  std::uniform_real_distribution<double> across(-6500.0, 6500.0);
  std::uniform_real_distribution<double> upTo(0.01, 20000.0);
  const double kEdgeAltitudes[] = {0.01, 1.0, 300.0, 1700.0, 1e6};
  std::vector<RoadCase> cases;
  for (const FrameCase& f : frame_cases::MakeFrameCases(kCases, kCaseSeed)) {
    RoadCase c{f.ClientRect(), Camera{}};
    if (rng() % 2 == 0) {
      PlaceCamera(f.tick, c.camera);
    } else {
      c.camera.x = across(rng);
      c.camera.y = across(rng);
      c.camera.altitude = rng() % 4 == 0 ? kEdgeAltitudes[rng() % 5] : upTo(rng);
    }
    cases.push_back(c);
  }
  return cases;
}

// The grid lines whose band has both edges strictly inside extent (a NaN
// extent rejects nothing), offsets taken from the camera's coordinate.
std::vector<int> PassingLines(double cameraCoord, double extent) {
  std::vector<int> lines;
  for (int k = -kGridRadius; k <= kGridRadius; ++k) {
    const double a = (k * kBlockPitch - kRoadHalfWidth) - cameraCoord;
    const double b = (k * kBlockPitch + kRoadHalfWidth) - cameraCoord;
    if (!(std::abs(a) >= extent) && !(std::abs(b) >= extent)) lines.push_back(k);
  }
  return lines;
}

bool Near(std::int32_t pixel, double exact) { return std::abs(pixel - exact) < kSlackPixels; }

std::string RoadFault(const RoadCase& c, const RoadBands& bands) {
  std::ostringstream out;
  if (bands.count < 0 || bands.count > kMaxRoadBands) {
    out << bands.count << " road rectangles";
    return out.str();
  }
  const Camera& cam = c.camera;
  const std::int32_t halfW = c.client.right / 2, halfH = c.client.bottom / 2;
  const double aspect = halfH != 0 ? double(halfW) / halfH : (halfW != 0 ? INFINITY : NAN);
  const std::vector<int> columns = PassingLines(cam.x, aspect / cam.zoom * cam.altitude * 1.1);
  const std::vector<int> rows = PassingLines(cam.y, cam.altitude / cam.zoom * 1.1);
  if (bands.count != int(columns.size() + rows.size())) {
    out << bands.count << " rectangles for " << columns.size() << " + " << rows.size() << " passing lines";
    return out.str();
  }
  // Exact pixel offset of a ground offset e, before truncation.
  const auto scaled = [&](double e) { return e / cam.altitude * cam.zoom * halfH; };
  for (int i = 0; i < bands.count; ++i) {
    const Rect& r = bands.rects[i];
    const bool isColumn = i < int(columns.size());
    const int k = isColumn ? columns[i] : rows[i - columns.size()];
    const double c0 = k * kBlockPitch - kRoadHalfWidth - (isColumn ? cam.x : cam.y);
    const double c1 = k * kBlockPitch + kRoadHalfWidth - (isColumn ? cam.x : cam.y);
    const bool placed = isColumn ? r.top == c.client.top && r.bottom == c.client.bottom && r.left <= r.right &&
                                       Near(r.left, halfW + scaled(c0)) && Near(r.right, halfW + scaled(c1))
                                 : r.left == c.client.left && r.right == c.client.right && r.top <= r.bottom &&
                                       Near(r.top, halfH - scaled(c1)) && Near(r.bottom, halfH - scaled(c0));
    if (!placed) {
      out << "rectangle " << i << " (" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom
          << ") is not the band of " << (isColumn ? "x" : "y") << " line " << k;
      return out.str();
    }
    if (halfH == 0 && r.left != r.right && r.top != r.bottom) {
      out << "a picture under two pixels high got a non-empty road rectangle " << i;
      return out.str();
    }
  }
  return "";
}

TEST(RoadRectsProperties, EveryRectangleIsTheBandOfALineWhoseEdgesPassed) {
  int most = 0, none = 0;
  for (const RoadCase& c : MakeCases()) {
    const RoadBands bands = RoadBandsOf(c.client, c.camera);
    ASSERT_EQ(RoadFault(c, bands), "") << Describe(c);
    most = std::max(most, bands.count);
    if (bands.count == 0) ++none;
  }
  // Both ends of the range were reached: no road at all, and every line.
  EXPECT_EQ(most, kMaxRoadBands);
  EXPECT_GT(none, 0);
}

}  // namespace
