#pragma once
// One frame: ground, roads, the quadrilaterals of the last frame step far to
// near, the statistics line, all composed in the back buffer and copied to
// the paint surface in one block. Every call counts for the frame-rate meter.

#include "base/geometry.h"

class CPaintDC;

inline constexpr COLORREF kGroundColor = RGB(0, 64, 0);
inline constexpr COLORREF kOutlineColor = RGB(96, 0, 0);
inline constexpr COLORREF kOverlayTextColor = RGB(255, 255, 0);

// The statistics line is drawn unless it is hidden.
enum class StatisticsLine { shown, hidden };

// clientRect is the window's client rectangle (left and top 0).
void PaintFrame(CPaintDC& dc, const Rect& clientRect, StatisticsLine line = StatisticsLine::shown);
