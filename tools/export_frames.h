#pragma once
// "kortalwind-export frames": a numbered PNG sequence of the flight, one
// frame per step, the meter counting as it would at that step rate.

#include <span>
#include <string>
#include <string_view>

std::string RunFramesCommand(std::span<const std::string_view> args);
