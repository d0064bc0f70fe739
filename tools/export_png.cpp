#include "tools/export_png.h"

#include <limits>

#include "pipeline/frame_geometry.h"
#include "platform/draw/image_surface.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"
#include "tools/export_city.h"
#include "tools/export_picture.h"

std::string RunPngCommand(std::span<const std::string_view> args) {
  const ExportArgs parsed("png", args, {kTickOption, "--size", kSeedOption, kOutOption});
  const auto tick = static_cast<std::uint32_t>(
      parsed.RequiredUnsigned(kTickOption, 0, std::numeric_limits<std::uint32_t>::max()));
  const PictureSize size = RequiredPictureSize(parsed);
  const CityOptions city = CityOptionsFrom(parsed);
  const std::string out(parsed.Required(kOutOption));

  EnsureGuiApplication();
  auto picture = NewPicture(size);
  if (city.seed) crt::srand(*city.seed);
  GenerateCity(city.limit);
  ComputeFrameGeometry(tick, Rect{0, 0, size.width, size.height});
  Scene().fpsWindowStart = tick;  // within the first second: the meter shows 0
  PaintPictureAt(tick, *picture);
  WritePng(*picture, out);
  return {};
}
