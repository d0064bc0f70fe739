#pragma once
// The child window that shows the animated city: it makes the first city
// when created, a new one from a fresh seed on a left click, paints every
// frame without erasing and frees the back buffer when destroyed. It draws
// in the screen's own pixels: its client rectangle counts those.

#include <cstdint>

#include "platform/window/wnd.h"
#include "render/frame_paint.h"

class CRenderWnd : public CWnd {
 public:
  // One animation step: camera, visibility and projection for the current
  // tick and this window's size, then a repaint of the whole window.
  void StepFrame();
  // The same step for the flight at tick.
  void StepFrameAt(std::uint32_t tick);
  void SetStatisticsLine(StatisticsLine line) { m_statisticsLine = line; }

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  int OnCreate(LPCREATESTRUCT cs);
  void OnDestroy();
  void OnSize(UINT type, int cx, int cy);
  BOOL OnEraseBkgnd(CDC* dc);
  void OnPaint();
  void OnLButtonDown(UINT flags, Point point);

  DECLARE_MESSAGE_MAP()

 private:
  StatisticsLine m_statisticsLine = StatisticsLine::shown;
};
