// Paints every frame case on the desktop (the window's own paint into an
// image surface) and writes the hashes of its rows, for the canvas test to
// compare with: the desktop is the independent implementation there.
//
//   kt_canvas_desktop_frames FOLDER
#include <QGuiApplication>
#include <cstdio>
#include <fstream>

#include "platform/draw/image_surface.h"
#include "platform/window/paint_dc.h"
#include "render/back_buffer.h"
#include "render/frame_paint.h"
#include "tests/platform/canvas/frame_cases.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kt_canvas_desktop_frames FOLDER\n");
    return 2;
  }
  std::ofstream out(frame_cases::ReferencePath(argv[1]));
  for (const frame_cases::FrameCase& c : frame_cases::Cases()) {
    frame_cases::SetUpScene(c);
    ResetBackBuffer();  // made again for this screen's ratio
    ImageSurface picture(c.width, c.height);
    picture.SetPixelRatio(c.ratio);
    {
      CPaintDC dc(picture);
      PaintFrame(dc, Rect{0, 0, c.width, c.height}, c.line ? StatisticsLine::shown : StatisticsLine::hidden);
    }
    out << frame_cases::Name(c);
    for (int y = 0; y < c.height; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(picture.Bits() + std::ptrdiff_t(y) * picture.BytesPerLine());
      out << ' ' << frame_cases::RowHash(row, c.width);
    }
    out << '\n';
  }
  ResetBackBuffer();
  out.close();
  return out ? 0 : 1;
}
