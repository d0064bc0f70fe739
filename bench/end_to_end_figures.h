#pragma once
// What one end-to-end run of the application measured, and its one-line
// text form, passed from the measured process to the benchmark.

#include <optional>
#include <string>

struct EndToEndFigures {
  int clientWidth = 0;   // the render window's size while measuring
  int clientHeight = 0;
  double seconds = 0;    // length of the measured stretch
  int steps = 0;
  int paints = 0;
  int fpsLast = 0;       // the overlay's value at the end
  int fpsMin = 0;        // over the samples that closed while measuring
  int fpsMax = 0;
  double paintMedianMs = 0;  // the render window's paint handler
  double paintP99Ms = 0;
  double paintMaxMs = 0;
  long long firstFrameNs = 0;  // steady clock when the first stepped frame was painted
};

std::string FormatFigures(const EndToEndFigures& figures);
// Finds the figures line in a process's output; nothing when there is none
// or it is malformed.
std::optional<EndToEndFigures> ParseFigures(const std::string& output);
