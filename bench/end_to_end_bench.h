#pragma once
// End-to-end runs of the application at full HD and 4K: each starts a fresh
// process that runs the real application loop and reports its figures.

#include <string>

// Registers one benchmark per size, named after the toolkit platform the
// runs use; each run measures for `seconds` after its warm-up.
void RegisterEndToEndBenchmarks(const std::string& platform, double seconds);

// The option by which the benchmark starts the measured process.
inline constexpr const char* kMeasureApplicationOption = "--measure-application";
