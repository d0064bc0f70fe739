#include "bench/end_to_end_figures.h"

#include <cstdio>

namespace {
constexpr const char* kFormat =
    "kt-e2e client=%dx%d seconds=%lf steps=%d paints=%d fps=%d fpsmin=%d fpsmax=%d "
    "paintmedian=%lf paintp99=%lf paintmax=%lf firstframe=%lld";
constexpr int kFieldCount = 12;
}  // namespace

std::string FormatFigures(const EndToEndFigures& f) {
  char line[512];
  std::snprintf(line, sizeof line, kFormat, f.clientWidth, f.clientHeight, f.seconds, f.steps, f.paints,
                f.fpsLast, f.fpsMin, f.fpsMax, f.paintMedianMs, f.paintP99Ms, f.paintMaxMs, f.firstFrameNs);
  return line;
}

std::optional<EndToEndFigures> ParseFigures(const std::string& output) {
  const std::size_t at = output.rfind("kt-e2e ");
  if (at == std::string::npos) return std::nullopt;
  EndToEndFigures f;
  const int read = std::sscanf(output.c_str() + at, kFormat, &f.clientWidth, &f.clientHeight, &f.seconds,
                               &f.steps, &f.paints, &f.fpsLast, &f.fpsMin, &f.fpsMax, &f.paintMedianMs,
                               &f.paintP99Ms, &f.paintMaxMs, &f.firstFrameNs);
  if (read != kFieldCount) return std::nullopt;
  return f;
}
