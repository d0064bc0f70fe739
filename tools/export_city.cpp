#include "tools/export_city.h"

#include <limits>

#include "scene/city_generator.h"
#include "scene/crt_random.h"
#include "scene/scene_store.h"

CityOptions CityOptionsFrom(const ExportArgs& args) {
  CityOptions options;
  if (args.Get(kSeedOption)) {
    options.seed = static_cast<std::uint32_t>(
        args.RequiredUnsigned(kSeedOption, 0, std::numeric_limits<std::uint32_t>::max()));
  }
  options.limit = static_cast<std::int32_t>(args.Unsigned(kLimitOption, 0, kMaxBuildings, kMaxBuildings));
  return options;
}

void GenerateAndWriteCity(const CityOptions& options, JsonWriter& json) {
  if (options.seed) crt::srand(*options.seed);
  const std::uint64_t drawsBefore = crt::DrawCount();
  GenerateCity(options.limit);
  const SceneStore& scene = Scene();

  json.Key("seed");
  if (options.seed) {
    json.Int(*options.seed);
  } else {
    json.Null();
  }
  json.Key("limit");
  json.Int(options.limit);
  json.Key("draws");
  json.Int(static_cast<std::int64_t>(crt::DrawCount() - drawsBefore));
  json.Key("buildingCount");
  json.Int(scene.buildingCount);
  json.Key("buildings");
  json.BeginArray();
  for (std::int32_t i = 0; i < scene.buildingCount; ++i) {
    const Building& b = scene.buildings[i];
    json.BeginObject(JsonWriter::kAllOnOneLine);
    json.Key("x");
    json.Double(b.centreX);
    json.Key("y");
    json.Double(b.centreY);
    json.Key("height");
    json.Double(b.height);
    json.Key("width");
    json.Double(b.width);
    json.Key("depth");
    json.Double(b.depth);
    json.EndObject();
  }
  json.EndArray();
}

std::string RunCityCommand(std::span<const std::string_view> args) {
  const CityOptions options = CityOptionsFrom(ExportArgs("city", args, {kSeedOption, kLimitOption}));
  JsonWriter json;
  json.BeginObject();
  GenerateAndWriteCity(options, json);
  json.EndObject();
  return json.Text();
}
