#include "web/page_settings.h"

#include <charconv>

#include "platform/core/command_line.h"
#include "platform/core/quoted_text.h"

namespace {

constexpr int kMaxSide = 16'384;
constexpr std::uint32_t kMaxBenchPaints = 100'000;
constexpr int kHexBase = 16;

// Percent escapes and "+" as the address's form encoding writes them; a
// broken escape stays as it is, and the value then reads as bad.
std::string Decoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned byte = 0;
    const char* digits = text.data() + i + 1;
    if (text[i] == '%' && i + 2 < text.size() &&
        std::from_chars(digits, digits + 2, byte, kHexBase).ptr == digits + 2) {
      out += char(byte);
      i += 2;
    } else {
      out += text[i] == '+' ? ' ' : text[i];
    }
  }
  return out;
}

std::optional<PictureSide> ReadSize(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const auto width = ReadWholeNumber(text.substr(0, x), 1, kMaxSide);
  const auto height = ReadWholeNumber(text.substr(x + 1), 1, kMaxSide);
  if (!width || !height) return std::nullopt;
  return PictureSide{int(*width), int(*height)};
}

std::optional<std::uint32_t> ReadUnsigned(std::string_view text, std::uint32_t max) {
  const auto value = ReadWholeNumber(text, 0, max);
  if (!value) return std::nullopt;
  return std::uint32_t(*value);
}

// Takes one setting; what it takes when the value is bad, empty when it was
// taken, or "unknown" for a name the page does not have.
std::string Take(std::string_view name, std::string_view value, PageSettings& s) {
  if (name == "seed") {
    if (const auto seed = ReadUnsigned(value, kMaxSeed)) return s.seed = *seed, "";
    return WholeNumberTakes(kMaxSeed);
  }
  if (name == "speed") {
    if (const auto speed = ReadSpeed(value)) return s.speed = *speed, "";
    return kSpeedTakes;
  }
  if (name == "fps") {
    if (value == "0" || value == "1") return s.showStatistics = value == "1", "";
    return "0 or 1";
  }
  if (name == "new-city") {
    if (const auto seconds = ReadUnsigned(value, kMaxNewCitySeconds)) return s.newCitySeconds = *seconds, "";
    return WholeNumberTakes(kMaxNewCitySeconds);
  }
  if (name == "fixed-tick") {
    if (const auto tick = ReadUnsigned(value, kMaxSeed)) return s.fixedTick = *tick, "";
    return WholeNumberTakes(kMaxSeed);
  }
  if (name == "fixed-size") {
    if (const auto size = ReadSize(value)) return s.fixedSize = *size, "";
    return "WxH, sides 1 to " + std::to_string(kMaxSide);
  }
  if (name == "bench") {
    if (const auto paints = ReadUnsigned(value, kMaxBenchPaints)) return s.benchPaints = *paints, "";
    return WholeNumberTakes(kMaxBenchPaints);
  }
  return "unknown";
}

}  // namespace

PageSettings ReadPageSettings(std::string_view query, std::vector<std::string>& faults) {
  if (query.starts_with('?')) query.remove_prefix(1);
  PageSettings settings;
  while (!query.empty()) {
    const std::size_t end = std::min(query.find('&'), query.size());
    const std::string_view pair = query.substr(0, end);
    query.remove_prefix(std::min(end + 1, query.size()));
    if (pair.empty()) continue;
    const std::size_t equals = std::min(pair.find('='), pair.size());
    const std::string name = Decoded(pair.substr(0, equals));
    const std::string value = Decoded(pair.substr(std::min(equals + 1, pair.size())));
    const std::string takes = Take(name, value, settings);
    if (takes == "unknown") {
      faults.push_back("korTalwind: ignored the unknown setting " + Quoted(name));
    } else if (!takes.empty()) {
      faults.push_back("korTalwind: ignored " + name + "=" + Quoted(value) + ": " + name + " takes " + takes);
    }
  }
  return settings;
}
