#pragma once
// Where a screen saver draws: a window of its own, the whole screen, or
// inside an X11 window that someone else made (a screen saver's window, a
// settings dialog's preview, the root window). Inside such a window the
// drawing window keeps that window's size and ends the loop when it goes.

#include <string>

#include "platform/core/win_types.h"
#include "platform/window/native_window.h"
#include "base/geometry.h"

class CWnd;

struct SaverPlacement {
  enum class Kind { ownWindow, fullScreen, screenSaverWindow, windowId };
  Kind kind = Kind::ownWindow;
  Rect geometry{0, 0, 1280, 720};  // for ownWindow
  bool positioned = false;         // geometry's left and top were asked for
  NativeWindowId windowId = 0;     // given for windowId, found for screenSaverWindow
};

// Before the toolkit starts. For the X11 kinds: finds the window, makes sure
// it exists, and makes the toolkit talk X11, the only way to reach it. One
// line saying why not, or empty.
std::string PrepareSaverPlacement(SaverPlacement& placement);

// Makes wnd (a window standing on a plain widget, no parent) as placement
// says, titled title, and shows it. False when it could not be made.
BOOL CreateSaverWindow(CWnd& wnd, const SaverPlacement& placement, const char* title);
