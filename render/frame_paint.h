#pragma once
// One frame for a window: composed in the back buffer and copied to the
// paint surface in one block. Every call counts for the frame-rate meter.

#include "base/geometry.h"
#include "render/frame_compose.h"

class CPaintDC;

// clientRect is the window's client rectangle (left and top 0).
void PaintFrame(CPaintDC& dc, const Rect& clientRect, StatisticsLine line = StatisticsLine::shown);
