#pragma once
// Platform-internal: what a window keeps about its toolkit widget.

#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/wnd.h"

class QPaintEvent;

struct WndState {
  QPointer<QWidget> widget;
  CWnd* parent = nullptr;
  std::vector<CWnd*> children;  // in creation order
  UINT id = 0;
  bool erasePending = false;
  QPaintEvent* currentPaint = nullptr;  // set while WM_PAINT for a paint event is dispatched
  bool inPaint = false;                 // between BeginWindowPaint and EndWindowPaint
};

WndState* GetWndState(const CWnd* wnd);

// The widget a live window stands on, or null.
QWidget* WidgetOf(const CWnd* wnd);
