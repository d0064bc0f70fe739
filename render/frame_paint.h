#pragma once
// One frame for a window: composed in the back buffer and copied to the
// paint surface in one block. Every call counts for the frame-rate meter.
// The paint surface is any context that shows its pixels: a window's paint
// context on the desktop, the page's picture in the browser.

#include "base/geometry.h"
#include "render/frame_compose.h"

class CDC;

// clientRect is the window's client rectangle (left and top 0).
void PaintFrame(CDC& dc, const Rect& clientRect, StatisticsLine line = StatisticsLine::shown);
