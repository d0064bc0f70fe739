#pragma once
// "kortalwind-export city": one generation of the city as JSON. Its options and
// fields are shared by the commands that show a city's frames.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tools/export_args.h"
#include "tools/export_options.h"
#include "tools/json_writer.h"

struct CityOptions {
  std::optional<std::uint32_t> seed;  // none: the program's first, unseeded city
  std::int32_t limit = 0;
};

CityOptions CityOptionsFrom(const ExportArgs& args);

// Seeds (if asked), generates, and writes the fields "seed", "limit", "draws",
// "buildingCount" and "buildings" into the object the writer has open.
void GenerateAndWriteCity(const CityOptions& options, JsonWriter& json);

std::string RunCityCommand(std::span<const std::string_view> args);
