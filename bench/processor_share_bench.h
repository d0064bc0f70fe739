#pragma once
// How much of one core the saver takes while it draws 1920 x 1080 in a
// window of its own at its default pace, and beside it the program's own
// share (its loop keeps a core busy on purpose), measured in the same run.

#include <string>

// Registers the benchmark, named after the toolkit platform the runs use;
// each process is measured for `seconds` after its warm-up.
void RegisterProcessorShareBenchmark(const std::string& platform, double seconds);
