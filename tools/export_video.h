#pragma once
// "kortalwind-export video": the flight as a video file, F frames a second,
// in the format its name's extension asks for.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

std::string RunVideoCommand(std::span<const std::string_view> args);

// Milliseconds from the first frame to frame i at fps frames a second,
// rounded to the nearest (halves up): the step frame i shows.
std::uint64_t VideoFrameOffset(std::uint64_t i, std::uint64_t fps);
