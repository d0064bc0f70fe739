#pragma once
// X11 windows that this process did not make: a screen saver's window, a
// settings dialog's preview, the root window. Asked about on a connection of
// their own, so that the toolkit's connection never sees an error for them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using NativeWindowId = std::uint64_t;

// "0x" and hexadecimal digits, or decimal digits; a window id is never 0 and
// fits in 32 bits.
std::optional<NativeWindowId> ParseNativeWindowId(std::string_view text);

// The exit status when such a window cannot be used: not there, or gone
// before the drawing began.
inline constexpr int kUnusableWindowStatus = 2;

struct NativeWindowLookup {
  NativeWindowId id = 0;
  std::string error;  // one line; empty when the window was found
};

// The window a screen saver is given: XSCREENSAVER_WINDOW, else the root
// window of the display.
NativeWindowLookup FindScreenSaverWindow();
// The window itself, when it exists on the display.
NativeWindowLookup FindNativeWindow(NativeWindowId id);
