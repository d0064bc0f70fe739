#pragma once
// The lock keys' state, for the status bar's CAP, NUM and SCRL panes.

#include <functional>

#include "platform/core/win_types.h"

struct KeyIndicators {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

// Asked of the X server's keyboard; all off where there is no keyboard state
// to read (no X display, as on the offscreen platform).
KeyIndicators ReadKeyIndicators();

// Whether the lock key behind indicator id (ID_INDICATOR_CAPS, _NUM, _SCRL) is on.
bool IsKeyIndicatorOn(UINT indicatorId);

// Replaces the keyboard for tests; an empty function puts it back.
void SetKeyIndicatorSource(std::function<KeyIndicators()> source);
