#pragma once
// Platform-internal: brings the toolkit up for the program. Where it cannot
// start (no display to reach, no usable window-system plugin) the program
// ends with one line on stderr and a failure status instead of the
// toolkit's abort, and the toolkit's own lines are folded into that one.

#include <QApplication>
#include <memory>
#include <string>

// argc must outlive the application object, as the toolkit keeps it.
std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv, const std::string& programName);
