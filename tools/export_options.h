#pragma once
// Option names and limits shared by the kortalwind-export commands.

#include <cstdint>
#include <limits>
#include <string_view>

inline constexpr std::string_view kSeedOption = "--seed";
inline constexpr std::string_view kLimitOption = "--limit";
inline constexpr std::string_view kTickOption = "--tick";
inline constexpr std::string_view kSizeOption = "--size";
inline constexpr std::string_view kOutOption = "--out";
inline constexpr std::string_view kFromOption = "--from";
inline constexpr std::string_view kCountOption = "--count";
inline constexpr std::string_view kQuietOption = "--quiet";  // no progress line
inline constexpr std::string_view kScaleOption = "--scale";  // the screen's ratio the picture is for

inline constexpr std::int32_t kMaxPictureSide = 16384;
inline constexpr double kMinScale = 1.0;
inline constexpr double kMaxScale = 4.0;
inline constexpr std::uint64_t kMaxTick = std::numeric_limits<std::uint32_t>::max();
