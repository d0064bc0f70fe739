#include "platform/draw/drawing_faults.h"

namespace {
DrawingFaults faults;
}  // namespace

void SetDrawingFaults(const DrawingFaults& next) { faults = next; }

const DrawingFaults& CurrentDrawingFaults() { return faults; }
