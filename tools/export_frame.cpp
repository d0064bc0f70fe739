#include "tools/export_frame.h"

#include <limits>

#include "pipeline/frame_geometry.h"
#include "render/road_grid.h"
#include "scene/scene_store.h"
#include "tools/export_city.h"

namespace {

constexpr int kPointsPerQuad = 4;
constexpr int kPointsPerBuilding = 12;

void WriteFrame(std::uint32_t tick, const PictureSize& size, JsonWriter& json) {
  const SceneStore& s = Scene();
  json.Key("tick");
  json.Int(tick);
  json.Key("width");
  json.Int(size.width);
  json.Key("height");
  json.Int(size.height);

  json.Key("camera");
  json.BeginObject(JsonWriter::kAllOnOneLine);
  json.Key("x");
  json.Double(s.camera.x);
  json.Key("y");
  json.Double(s.camera.y);
  json.Key("altitude");
  json.Double(s.camera.altitude);
  json.Key("zoom");
  json.Double(s.camera.zoom);
  json.EndObject();

  json.Key("visibleCount");
  json.Int(s.visibleCount);
  json.Key("visibleOrder");
  json.BeginArray(JsonWriter::kAllOnOneLine);
  for (std::int32_t i = 0; i < s.visibleCount; ++i) json.Int(s.visibleOrder[i]);
  json.EndArray();

  json.Key("pointCount");
  json.Int(s.pointCount);
  json.Key("collisionCount");
  json.Int(s.collisionCount);

  json.Key("points");
  json.BeginArray(kPointsPerQuad);  // one quadrilateral per line
  for (std::int32_t i = 0; i < s.pointCount; ++i) {
    json.BeginArray(JsonWriter::kAllOnOneLine);
    json.Int(s.polygonPoints[i].x);
    json.Int(s.polygonPoints[i].y);
    json.EndArray();
  }
  json.EndArray();
  json.Key("shades");
  json.BeginArray(kPointsPerBuilding);  // one building per line
  for (std::int32_t i = 0; i < s.pointCount; ++i) json.Int(s.polygonShade[i]);
  json.EndArray();

  // The rectangles the paint fills with road colour, in fill order.
  const RoadBands roads = RoadBandsOf(Rect{0, 0, size.width, size.height}, s.camera);
  json.Key("roads");
  json.BeginArray(1);  // one band per line
  for (int i = 0; i < roads.count; ++i) {
    const Rect& r = roads.rects[i];
    json.BeginArray(JsonWriter::kAllOnOneLine);
    json.Int(r.left);
    json.Int(r.top);
    json.Int(r.right);
    json.Int(r.bottom);
    json.EndArray();
  }
  json.EndArray();
}

}  // namespace

std::string RunFrameCommand(std::span<const std::string_view> args) {
  const ExportArgs parsed("frame", args, {kTickOption, kSizeOption, kSeedOption, kLimitOption});
  const auto tick = static_cast<std::uint32_t>(
      parsed.RequiredUnsigned(kTickOption, 0, std::numeric_limits<std::uint32_t>::max()));
  const PictureSize size = parsed.RequiredSize(kSizeOption, kMaxPictureSide);
  const CityOptions city = CityOptionsFrom(parsed);

  JsonWriter json;
  json.BeginObject();
  GenerateAndWriteCity(city, json);
  ComputeFrameGeometry(tick, Rect{0, 0, size.width, size.height});
  WriteFrame(tick, size, json);
  json.EndObject();
  return json.Text();
}
