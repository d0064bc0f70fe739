#pragma once
// "kortalwind-export frame": a city plus one frame step's geometry as JSON.

#include <span>
#include <string>
#include <string_view>

std::string RunFrameCommand(std::span<const std::string_view> args);
