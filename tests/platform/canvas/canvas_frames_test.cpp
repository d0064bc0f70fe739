// Frames composed on the canvas surfaces (no toolkit) against the same
// frames painted by the desktop (kt_canvas_desktop_frames wrote their row
// hashes): equal pixels at every size, screen ratio and statistics line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "platform/canvas/canvas_paint_dc.h"
#include "platform/draw/bitmap.h"
#include "render/back_buffer.h"
#include "render/frame_compose.h"
#include "tests/platform/canvas/frame_cases.h"

namespace canvas_frames_test {

using frame_cases::FrameCase;

// The desktop's hashes by case name.
std::map<std::string, std::vector<std::uint64_t>> DesktopFrames() {
  const char* folder = std::getenv("KT_CANVAS_FRAMES");
  std::map<std::string, std::vector<std::uint64_t>> frames;
  if (!folder) return frames;
  std::ifstream in(frame_cases::ReferencePath(folder));
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string name;
    fields >> name;
    std::vector<std::uint64_t>& rows = frames[name];
    for (std::uint64_t hash; fields >> hash;) rows.push_back(hash);
  }
  return frames;
}

// The canvas's words (bytes red, green, blue, alpha) as the desktop holds
// its pixels, 0xffRRGGBB.
std::vector<std::uint32_t> DesktopWords(const std::uint32_t* pixels, int count) {
  std::vector<std::uint32_t> words(pixels, pixels + count);
  for (std::uint32_t& w : words) w = (w & 0xff00ff00u) | ((w >> 16) & 0xffu) | ((w & 0xffu) << 16);
  return words;
}

TEST(CanvasFrames, SamePixelsAsTheDesktop) {
  const auto desktop = DesktopFrames();
  ASSERT_FALSE(desktop.empty()) << "no desktop frames: KT_CANVAS_FRAMES names the folder kt_canvas_desktop_frames wrote";
  for (const FrameCase& c : frame_cases::Cases()) {
    const std::string name = frame_cases::Name(c);
    SCOPED_TRACE(name);
    frame_cases::SetUpScene(c);
    ResetBackBuffer();
    CanvasPaintDC screen(c.width, c.height, c.ratio);
    const Rect client{0, 0, c.width, c.height};
    CDC* back = AcquireBackBuffer(screen, client);
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(ComposeFrame(*back, client, c.line ? StatisticsLine::shown : StatisticsLine::hidden));
    ASSERT_TRUE(screen.BitBlt(0, 0, c.width, c.height, back, 0, 0, SRCCOPY));
    const auto expected = desktop.find(name);
    ASSERT_NE(expected, desktop.end());
    ASSERT_EQ(expected->second.size(), std::size_t(c.height));
    const std::vector<std::uint32_t> pixels = DesktopWords(screen.Pixels(), c.width * c.height);
    for (int y = 0; y < c.height; ++y)
      ASSERT_EQ(frame_cases::RowHash(&pixels[std::size_t(y) * std::size_t(c.width)], c.width),
                expected->second[std::size_t(y)])
          << "first row that differs: " << y;
  }
  ResetBackBuffer();
}

// What a surface does where it cannot draw, as on the desktop: a memory
// context on its monochrome default keeps the background colour but draws
// nothing, and a bitmap sits in one surface at a time.
TEST(CanvasFrames, SurfacesThatCannotDrawSaySo) {
  CanvasPaintDC screen(4, 4, 1.0);
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
  memory.FillSolidRect({0, 0, 4, 4}, RGB(1, 2, 3));
  EXPECT_EQ(memory.GetBkColor(), RGB(1, 2, 3));
  const Point corners[] = {{0, 0}, {3, 0}, {3, 3}};
  EXPECT_FALSE(memory.Polygon(corners, 3));
  EXPECT_EQ(memory.DrawText("FPS", -1, {0, 0, 4, 4}, DT_LEFT | DT_TOP), 0);
  EXPECT_FALSE(screen.BitBlt(0, 0, 4, 4, &memory, 0, 0, SRCCOPY));
  CBitmap colour;
  ASSERT_TRUE(colour.CreateCompatibleBitmap(&screen, 4, 4));
  CBitmap* monochromeDefault = memory.SelectObject(&colour);
  ASSERT_NE(monochromeDefault, nullptr);
  CDC other;
  ASSERT_TRUE(other.CreateCompatibleDC(&screen));
  EXPECT_EQ(other.SelectObject(&colour), nullptr);
  // The line's height comes back, however little of it the surface shows.
  memory.FillSolidRect({0, 0, 4, 4}, RGB(0, 0, 0));
  EXPECT_GT(memory.DrawText("FPS", -1, {-3, -3, 4, 4}, DT_LEFT | DT_TOP), 4);
  EXPECT_TRUE(screen.BitBlt(0, 0, 4, 4, &memory, 0, 0, SRCCOPY));
  // A bitmap deleted while selected leaves its surface on the monochrome default.
  colour.DeleteObject();
  EXPECT_EQ(memory.DrawText("FPS", -1, {0, 0, 4, 4}, DT_LEFT | DT_TOP), 0);
  EXPECT_EQ(memory.SelectObject(monochromeDefault), monochromeDefault);
}

}  // namespace canvas_frames_test
