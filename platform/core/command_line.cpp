#include "platform/core/command_line.h"

#include <algorithm>
#include <charconv>

std::optional<CommandLineOption> ReadOption(std::string_view arg) {
  if (arg.size() < 2 || arg[0] != '-') return std::nullopt;
  CommandLineOption option{arg.substr(arg[1] == '-' ? 2 : 1), std::nullopt};
  if (const std::size_t equals = option.name.find('='); equals != std::string_view::npos) {
    option.value = option.name.substr(equals + 1);
    option.name = option.name.substr(0, equals);
  }
  return option;
}

std::optional<std::uint64_t> ReadWholeNumber(std::string_view text, std::uint64_t min, std::uint64_t max) {
  // from_chars alone would accept a prefix ("12x"); insist on digits only.
  const bool digitsOnly =
      !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  std::uint64_t value = 0;
  if (!digitsOnly) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) return std::nullopt;
  return value;
}
