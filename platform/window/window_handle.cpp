#include "platform/window/window_handle.h"

#include "platform/window/wnd.h"

BOOL IsWindow(HWND hwnd) { return hwnd != nullptr && CWnd::FromHandle(hwnd) != nullptr; }
