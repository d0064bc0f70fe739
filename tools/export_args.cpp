#include "tools/export_args.h"

#include <algorithm>
#include <charconv>

#include "platform/core/command_line.h"

std::uint64_t ParseUnsigned(std::string_view text, std::uint64_t min, std::uint64_t max,
                            std::string_view what) {
  const std::string expected =
      std::string(what) + " must be a whole number from " + std::to_string(min) + " to " + std::to_string(max);
  const std::optional<std::uint64_t> value = ReadWholeNumber(text, min, max);
  if (!value) throw UsageError(expected + ", not " + Quoted(text));
  return *value;
}

double ParseRatio(std::string_view text, double min, double max, std::string_view what) {
  const auto number = [](double v) {
    std::string s = std::to_string(v);
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
  };
  const std::string expected =
      std::string(what) + " must be a number from " + number(min) + " to " + number(max) + ", not " + Quoted(text);
  // Digits with at most one point between them: no sign, exponent, "inf" or "nan".
  const auto point = text.find('.');
  const auto digits = [](std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  const bool plain = point == std::string_view::npos ? digits(text)
                                                     : digits(text.substr(0, point)) && digits(text.substr(point + 1));
  if (!plain) throw UsageError(expected);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !(value >= min && value <= max)) {
    throw UsageError(expected);
  }
  return value;
}

PictureSize ParseSize(std::string_view text, std::int32_t maxSide, std::string_view what) {
  const std::string expected = std::string(what) + " must be WIDTHxHEIGHT (e.g. 800x600) with each side from 0 to " +
                               std::to_string(maxSide) + ", not " + Quoted(text);
  const auto cut = text.find_first_of("xX");
  if (cut == std::string_view::npos) throw UsageError(expected);
  try {
    const auto side = [&](std::string_view part) {
      return static_cast<std::int32_t>(ParseUnsigned(part, 0, static_cast<std::uint64_t>(maxSide), what));
    };
    return {side(text.substr(0, cut)), side(text.substr(cut + 1))};
  } catch (const UsageError&) {
    throw UsageError(expected);  // name the whole size, not the half that failed
  }
}

ExportArgs::ExportArgs(std::string_view command, std::span<const std::string_view> args,
                       std::initializer_list<std::string_view> allowed,
                       std::initializer_list<std::string_view> flags)
    : command_(command) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view name = args[i];
    std::optional<std::string_view> value;
    if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string_view::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    const bool flag = std::find(flags.begin(), flags.end(), name) != flags.end();
    if (!flag && std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
      const std::string kind = name.starts_with("-") ? "unknown option " : "unexpected argument ";
      throw UsageError(kind + Quoted(name) + " for " + Quoted(command_));
    }
    if (Get(name)) throw UsageError(std::string(name) + " is given more than once");
    if (flag) {
      if (value) throw UsageError(std::string(name) + " takes no value");
      value = "";
    } else if (!value) {
      if (i + 1 == args.size()) throw UsageError(std::string(name) + " needs a value");
      value = args[++i];
    }
    values_.emplace_back(name, *value);
  }
}

std::optional<std::string_view> ExportArgs::Get(std::string_view name) const {
  for (const auto& [key, value] : values_) {
    if (key == name) return value;
  }
  return std::nullopt;
}

std::string_view ExportArgs::Required(std::string_view name) const {
  if (const auto value = Get(name)) return *value;
  throw UsageError(Quoted(command_) + " needs " + std::string(name));
}

std::uint64_t ExportArgs::Unsigned(std::string_view name, std::uint64_t min, std::uint64_t max,
                                   std::uint64_t fallback) const {
  const auto value = Get(name);
  return value ? ParseUnsigned(*value, min, max, name) : fallback;
}

std::uint64_t ExportArgs::RequiredUnsigned(std::string_view name, std::uint64_t min, std::uint64_t max) const {
  return ParseUnsigned(Required(name), min, max, name);
}

double ExportArgs::Ratio(std::string_view name, double min, double max, double fallback) const {
  const auto value = Get(name);
  return value ? ParseRatio(*value, min, max, name) : fallback;
}

PictureSize ExportArgs::RequiredSize(std::string_view name, std::int32_t maxSide) const {
  return ParseSize(Required(name), maxSide, name);
}
