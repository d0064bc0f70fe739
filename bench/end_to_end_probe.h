#pragma once
// The measured side of an end-to-end run: the real application object,
// started through the framework's own entry point and run by its own loop,
// with probes that watch without taking part.

// Runs the application with a render window of width x height for `seconds`
// after a warm-up, then prints one figures line on stdout and returns the
// application's exit code.
int RunMeasuredApplication(int width, int height, double seconds);
