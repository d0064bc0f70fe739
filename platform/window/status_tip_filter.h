#pragma once
// Platform-internal: the toolkit's status tips (a highlighted menu item, a
// toolbar button under the mouse) become WM_SETMESSAGESTRING for a frame,
// which shows them in its message pane, and "Ready" when they end.

#include <QWidget>

#include "platform/core/win_types.h"

// Status tips raised in `widget` or its children go to the window `frame` names.
void RouteStatusTips(QWidget* widget, HWND frame);
