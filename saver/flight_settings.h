#pragma once
// The flight's settings that the saver's command line and the browser page's
// address share: their defaults, their ranges, and how a value is read.
// Standard library only, so that the browser build compiles it too.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::uint32_t kDefaultDelayUs = 40000;  // the program's 40 ms
inline constexpr std::uint32_t kDefaultNewCitySeconds = 300;
inline constexpr std::uint32_t kMaxNewCitySeconds = 86'400;
inline constexpr std::uint32_t kMaxSeed = 4'294'967'295;

// What --speed and speed= take, for the line a bad value gets.
inline constexpr const char* kSpeedTakes = "a ratio from 0.1 to 10";

// The whole text as a ratio from 0.1 to 10; empty otherwise.
std::optional<double> ReadSpeed(std::string_view text);

// What a setting that takes a whole number from 0 to max takes.
std::string WholeNumberTakes(std::uint32_t max);
