#include "platform/draw/drawing_clock.h"

namespace {
DrawingTime totals;
}  // namespace

DrawingTime TimeSpentDrawing() { return totals; }

DrawingStopwatch::DrawingStopwatch(double DrawingTime::*sum)
    : sum_(sum), start_(std::chrono::steady_clock::now()) {}

DrawingStopwatch::~DrawingStopwatch() {
  totals.*sum_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}
