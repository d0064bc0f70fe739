#pragma once
// One frame drawn into a device context: ground, roads, the quadrilaterals
// of the last frame step far to near and the statistics line. Knows no
// window and no back buffer, so any surface with a device context (the
// window's back buffer, the browser's picture) composes the same frame.

#include <array>

#include "base/geometry.h"
#include "platform/draw/brush.h"
#include "platform/draw/dc.h"
#include "platform/draw/pen.h"
#include "scene/scene_store.h"

inline constexpr COLORREF kGroundColor = RGB(0, 64, 0);
inline constexpr COLORREF kOutlineColor = RGB(96, 0, 0);
inline constexpr COLORREF kOverlayTextColor = RGB(255, 255, 0);

// The statistics line is drawn unless it is hidden.
enum class StatisticsLine { shown, hidden };

// The outline pen and a brush for each shade, made in that order; given
// back brushes first by index, the pen last.
class FramePens {
 public:
  FramePens();
  ~FramePens();
  FramePens(const FramePens&) = delete;
  FramePens& operator=(const FramePens&) = delete;

  // False when the pen or a brush could not be made.
  bool Made() const;

  CPen outline;
  std::array<CBrush, shadeColors.size()> brushes;
};

// Draws the frame over the whole of clientRect (left and top 0) in back with
// pens, which must have been made.
void ComposeFrame(CDC& back, const Rect& clientRect, FramePens& pens, StatisticsLine line);
// The same with pens of its own; false, having drawn nothing, when one of
// them could not be made.
bool ComposeFrame(CDC& back, const Rect& clientRect, StatisticsLine line);
