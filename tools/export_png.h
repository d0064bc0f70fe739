#pragma once
// "kortalwind-export png": the picture the window shows after the step at a
// tick, as one PNG file.

#include <span>
#include <string>
#include <string_view>

std::string RunPngCommand(std::span<const std::string_view> args);
