#include "tools/export_png.h"

#include "tools/export_city.h"
#include "tools/export_picture.h"
#include "tools/flight_pictures.h"

std::string RunPngCommand(std::span<const std::string_view> args) {
  const ExportArgs parsed("png", args, {kTickOption, kSizeOption, kScaleOption, kSeedOption, kOutOption});
  const auto tick = static_cast<std::uint32_t>(
      parsed.RequiredUnsigned(kTickOption, 0, kMaxTick));
  const PictureSize size = RequiredPictureSize(parsed);
  const double scale = PictureScale(parsed);
  const CityOptions city = CityOptionsFrom(parsed);
  const std::string out(parsed.Required(kOutOption));

  FlightPictures flight(city, size, tick, scale);  // within the first second: the meter shows 0
  WritePng(flight.At(tick), out);
  return {};
}
