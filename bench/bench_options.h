#pragma once
// The bench's own command-line option, taken out before Google Benchmark
// reads the rest.

inline constexpr double kDefaultEndToEndSeconds = 5;
inline constexpr double kMaxEndToEndSeconds = 3600;
inline constexpr const char* kSecondsOption = "--e2e_seconds=";

// A number of seconds above 0 and at most kMaxEndToEndSeconds, nothing else.
bool ParseSeconds(const char* text, double& seconds);

// Removes every --e2e_seconds=S from argv, keeping the other arguments in
// order, and sets seconds from the last one. False when any value is bad.
bool TakeSecondsOption(int& argc, char** argv, double& seconds);
