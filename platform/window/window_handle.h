#pragma once
// The window services that take a handle rather than a window object.

#include "platform/core/win_types.h"

// True while hwnd names a live window.
BOOL IsWindow(HWND hwnd);
