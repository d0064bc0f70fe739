#include "platform/window/window_handle.h"

#include "platform/window/wnd.h"

BOOL IsWindow(HWND hwnd) { return hwnd != nullptr && CWnd::FromHandle(hwnd) != nullptr; }

BOOL GetClientRect(HWND hwnd, Rect* rect) {
  CWnd* wnd = CWnd::FromHandle(hwnd);
  if (wnd == nullptr || rect == nullptr) return FALSE;
  wnd->GetClientRect(rect);
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const Rect* rect, BOOL erase) {
  CWnd* wnd = CWnd::FromHandle(hwnd);
  if (wnd == nullptr) return FALSE;
  wnd->InvalidateRect(rect, erase);
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  CWnd* wnd = CWnd::FromHandle(hwnd);
  if (wnd == nullptr) return FALSE;
  wnd->MoveWindow(x, y, width, height, repaint);
  return TRUE;
}
