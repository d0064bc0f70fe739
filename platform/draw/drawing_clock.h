#pragma once
// Where the drawing layer's time goes, summed since start-up: writing kept
// drawing into pixels, and block copies between surfaces. The benchmark
// splits a paint with it; reading the clock twice a paint costs next to nothing.

#include <chrono>

struct DrawingTime {
  double resolveSeconds = 0;
  double copySeconds = 0;
};

DrawingTime TimeSpentDrawing();

// Adds the time from its construction to its destruction to one of the sums.
class DrawingStopwatch {
 public:
  explicit DrawingStopwatch(double DrawingTime::*sum);
  ~DrawingStopwatch();
  DrawingStopwatch(const DrawingStopwatch&) = delete;
  DrawingStopwatch& operator=(const DrawingStopwatch&) = delete;

 private:
  double DrawingTime::*sum_;
  std::chrono::steady_clock::time_point start_;
};
