#pragma once
// The flight as the window shows it, one picture per step: the city built as
// asked, the meter counting from the first step as if the program had started
// there. What png, frames and video paint.

#include <cstdint>
#include <memory>

#include "tools/export_args.h"
#include "tools/export_city.h"

class ImageSurface;

class FlightPictures {
 public:
  // Throws UsageError when there is not memory enough for the picture, before
  // the caller touches the disk. scale is the ratio of the screen the
  // pictures are for: the statistics line is drawn that much larger.
  FlightPictures(const CityOptions& city, const PictureSize& size, std::uint32_t firstTick, double scale = 1.0);
  ~FlightPictures();
  FlightPictures(const FlightPictures&) = delete;
  FlightPictures& operator=(const FlightPictures&) = delete;

  // Steps to tick and paints; the picture stays valid until the next call.
  // Throws std::runtime_error when the paint runs short of memory.
  const ImageSurface& At(std::uint32_t tick);

 private:
  std::unique_ptr<ImageSurface> picture_;
};
