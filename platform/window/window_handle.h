#pragma once
// The window services that take a handle rather than a window object.

#include "platform/core/win_types.h"

// True while hwnd names a live window.
BOOL IsWindow(HWND hwnd);
// Left and top 0, right and bottom the client width and height; false for a dead handle.
BOOL GetClientRect(HWND hwnd, Rect* rect);
// Marks the window (or rect of it) for repainting, erasing first when erase is set.
BOOL InvalidateRect(HWND hwnd, const Rect* rect, BOOL erase);
// Moves and resizes the window, repainting it when repaint is set.
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
