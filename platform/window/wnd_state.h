#pragma once
// Platform-internal: what a window keeps about its toolkit widget.

#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/core/win_types.h"

class CWnd;

struct WndState {
  QPointer<QWidget> widget;
  CWnd* parent = nullptr;
  std::vector<CWnd*> children;  // in creation order
  UINT id = 0;
};

WndState* GetWndState(const CWnd* wnd);

// The widget a live window stands on, or null.
QWidget* WidgetOf(const CWnd* wnd);
