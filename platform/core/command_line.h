#pragma once
// What the programs' command lines share: an option is written with one
// dash or two, its value after "=" or as the next argument, and numbers are
// whole decimal numbers within a range.

#include <cstdint>
#include <optional>
#include <string_view>

struct CommandLineOption {
  std::string_view name;                  // without its dashes and value
  std::optional<std::string_view> value;  // what followed the first "=", if one did
};

// Empty when arg is not an option: it does not start with a dash, or is "-".
std::optional<CommandLineOption> ReadOption(std::string_view arg);

// Digits only (no sign, no space), from min to max; empty otherwise.
std::optional<std::uint64_t> ReadWholeNumber(std::string_view text, std::uint64_t min, std::uint64_t max);
