#include "tools/flight_pictures.h"

#include "pipeline/frame_geometry.h"
#include "platform/core/tick_count.h"
#include "platform/draw/image_surface.h"
#include "platform/window/paint_dc.h"
#include "render/back_buffer.h"
#include "render/frame_paint.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"
#include "tools/export_picture.h"

namespace {

std::string ShortOfMemory(int width, int height) {
  return "not enough memory for a " + std::to_string(width) + "x" + std::to_string(height) +
         " picture";
}

// The clock reads tick while one lives, however the paint ends.
class StoppedClock {
 public:
  explicit StoppedClock(std::uint32_t tick) { SetTickCountSource([tick] { return tick; }); }
  ~StoppedClock() { SetTickCountSource({}); }
  StoppedClock(const StoppedClock&) = delete;
  StoppedClock& operator=(const StoppedClock&) = delete;
};

// Paints the frame of the last step into picture, with the clock reading tick
// throughout, so that the meter counts as at that moment.
void PaintPictureAt(std::uint32_t tick, ImageSurface& picture) {
  {
    const StoppedClock clock(tick);
    CPaintDC dc(picture);
    PaintFrame(dc, Rect{0, 0, picture.Width(), picture.Height()});
  }
  // Past the first check of the size: what was recorded so far is lost, not
  // the input at fault.
  const BackBuffer& back = CurrentBackBuffer();
  if (!back.backBitmap || !back.backBitmap->GetSafeHandle()) {
    throw std::runtime_error(ShortOfMemory(picture.Width(), picture.Height()));
  }
}

}  // namespace

FlightPictures::FlightPictures(const CityOptions& city, const PictureSize& size, std::uint32_t firstTick,
                               double scale) {
  EnsureGuiApplication();
  picture_ = std::make_unique<ImageSurface>(size.width, size.height);
  if (!picture_->IsValid()) throw UsageError(ShortOfMemory(size.width, size.height));
  picture_->SetPixelRatio(scale);
  if (city.seed) crt::srand(*city.seed);
  GenerateCity(city.limit);
  Scene().fpsWindowStart = firstTick;
}

FlightPictures::~FlightPictures() = default;

const ImageSurface& FlightPictures::At(std::uint32_t tick) {
  ComputeFrameGeometry(tick, Rect{0, 0, picture_->Width(), picture_->Height()});
  PaintPictureAt(tick, *picture_);
  return *picture_;
}
