#pragma once
// Platform-internal: how a CPaintDC reaches the window it paints. The window
// layer implements these; they are valid only while the window's paint
// message is being handled.

#include <QPaintDevice>
#include <QRegion>

class CWnd;

struct WindowPaintTarget {
  QPaintDevice* device = nullptr;  // the widget
  QRegion region;                  // the part of it being repainted
};

WindowPaintTarget BeginWindowPaint(CWnd* wnd);
void EndWindowPaint(CWnd* wnd);  // marks the window repainted
