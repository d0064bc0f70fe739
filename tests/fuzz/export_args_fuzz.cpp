// Fuzzes kortalwind-export's command line in process: the input is the
// argument list, one argument per line, the first being the command. Bad
// input may only ever end in a UsageError with a one-line message; good input
// must give a complete JSON document. The png and frames commands write
// files, so for them only the parsing they do before any writing is run.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scene/crt_random.h"
#include "scene/scene_store.h"
#include "tools/export_args.h"
#include "tools/export_city.h"
#include "tools/export_frame.h"
#include "tools/export_picture.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "%s: %.*s\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\n') {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

// Brackets balance outside strings and the text ends with the outer '}'.
bool LooksLikeOneJsonObject(std::string_view text) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (const char c : text) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        inString = false;
      }
      continue;
    }
    if (c == '"') inString = true;
    if (c == '{' || c == '[') ++depth;
    if (c == '}' || c == ']') {
      if (--depth < 0) return false;
    }
  }
  return depth == 0 && !inString && text.starts_with("{") && text.ends_with("}\n");
}

// What png and frames check before they touch the disk.
void ParsePictureOptions(std::string_view command, std::span<const std::string_view> args) {
  constexpr auto kMaxTick = std::numeric_limits<std::uint32_t>::max();
  if (command == "png") {
    const ExportArgs parsed("png", args, {"--tick", "--size", kSeedOption, kOutOption});
    parsed.RequiredUnsigned("--tick", 0, kMaxTick);
    RequiredPictureSize(parsed);
    CityOptionsFrom(parsed);
    parsed.Required(kOutOption);
  } else {
    const ExportArgs parsed("frames", args,
                            {"--from", "--count", "--every", "--size", kSeedOption, kOutOption});
    parsed.RequiredUnsigned("--from", 0, kMaxTick);
    parsed.RequiredUnsigned("--count", 1, 100000);
    parsed.RequiredUnsigned("--every", 1, kMaxTick);
    RequiredPictureSize(parsed);
    CityOptionsFrom(parsed);
    parsed.Required(kOutOption);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string_view> parts = SplitLines(text);
  const std::string_view command = parts.front();
  const std::span<const std::string_view> args = std::span(parts).subspan(1);

  ResetScene();
  crt::ResetRandom();
  try {
    if (command == "city" || command == "frame") {
      const std::string out = command == "city" ? RunCityCommand(args) : RunFrameCommand(args);
      if (!LooksLikeOneJsonObject(out)) Fail("not one JSON object", out);
      const SceneStore& s = Scene();
      if (s.buildingCount > kMaxBuildings || s.pointCount != 12 * s.visibleCount) Fail("bad store", command);
    } else if (command == "png" || command == "frames") {
      ParsePictureOptions(command, args);
    } else {
      // Option parsing as every command does it, with a mixed set of names.
      const ExportArgs parsed(command, args, {"--seed", "--size", "--tick", "--limit"});
      parsed.Unsigned("--seed", 0, std::numeric_limits<std::uint32_t>::max(), 0);
      parsed.Unsigned("--limit", 0, 100, 100);
      if (parsed.Get("--size")) parsed.RequiredSize("--size", 16384);
    }
  } catch (const UsageError& e) {
    const std::string_view message = e.what();
    if (message.empty()) Fail("empty usage message", message);
    for (const char c : message) {
      if (static_cast<unsigned char>(c) < 0x20) Fail("control character in usage message", message);
    }
  }
  return 0;
}
