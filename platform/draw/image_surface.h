#pragma once
// A window-less picture of a given size that a CPaintDC can paint on, with
// pixel read-back and PNG output: what tests and tools draw into.

#include <memory>
#include <string>

#include "base/geometry.h"

struct ImagePixels;

class ImageSurface {
 public:
  // Starts black. IsValid() is false when the pixels could not be allocated.
  ImageSurface(int width, int height);
  ~ImageSurface();
  ImageSurface(const ImageSurface&) = delete;
  ImageSurface& operator=(const ImageSurface&) = delete;

  bool IsValid() const;
  // The picture is for a screen of this many device pixels to a logical one
  // (1 unless set): text on it is drawn that much larger. Its size stays.
  void SetPixelRatio(double ratio) { pixelRatio_ = ratio; }
  double PixelRatio() const { return pixelRatio_; }
  int Width() const;
  int Height() const;
  // The colour at (x, y); black outside the picture.
  COLORREF Pixel(int x, int y) const;
  // Writes the picture as PNG. On failure returns false and, when error is
  // given, says why.
  bool SavePng(const std::string& path, std::string* error = nullptr) const;
  // The pixels for an encoder: 32-bit words 0xffRRGGBB in the processor's
  // byte order, row after row, BytesPerLine() apart. Null when not IsValid().
  const unsigned char* Bits() const;
  int BytesPerLine() const;

  ImagePixels& pixels() { return *pixels_; }

 private:
  std::unique_ptr<ImagePixels> pixels_;
  double pixelRatio_ = 1.0;
};
