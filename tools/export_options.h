#pragma once
// Option names and limits shared by the kortalwind-export commands.

#include <cstdint>
#include <string_view>

inline constexpr std::string_view kSeedOption = "--seed";
inline constexpr std::string_view kLimitOption = "--limit";
inline constexpr std::string_view kTickOption = "--tick";
inline constexpr std::string_view kSizeOption = "--size";
inline constexpr std::string_view kOutOption = "--out";

inline constexpr std::int32_t kMaxPictureSide = 16384;
