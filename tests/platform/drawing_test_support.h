#pragma once
// A colour memory surface for drawing tests, and a way to read its pixels.

#include <memory>
#include <set>

#include "platform/draw/bitmap.h"
#include "platform/draw/dc.h"
#include "platform/draw/image_surface.h"
#include "platform/window/paint_dc.h"

// A memory surface with a colour bitmap of width x height selected, built
// the way the back buffer builds its own.
struct MemorySurface {
  MemorySurface(int width, int height) : width(width), height(height) {
    dc.CreateCompatibleDC(&paint);
    bitmap.CreateCompatibleBitmap(&paint, width, height);
    previous = dc.SelectObject(&bitmap);
  }
  ~MemorySurface() { dc.SelectObject(previous); }

  // The surface's pixels, copied out through a block transfer.
  std::unique_ptr<ImageSurface> Snapshot() {
    auto image = std::make_unique<ImageSurface>(width, height);
    CPaintDC out(*image);
    out.BitBlt(0, 0, width, height, &dc, 0, 0, SRCCOPY);
    return image;
  }

  int width;
  int height;
  ImageSurface screen{1, 1};
  CPaintDC paint{screen};
  CDC dc;
  CBitmap bitmap;
  CBitmap* previous = nullptr;
};

inline std::set<COLORREF> ColoursIn(const ImageSurface& image) {
  std::set<COLORREF> colours;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) colours.insert(image.Pixel(x, y));
  return colours;
}
