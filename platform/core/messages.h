#pragma once
// Message numbers and their parameter constants.

#include "platform/core/win_types.h"

inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_NCDESTROY = 0x0082;
inline constexpr UINT WM_NCMOUSEMOVE = 0x00A0;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_SYSTIMER = 0x0118;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
// The second press of a double-click, in place of a second WM_LBUTTONDOWN.
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_USER = 0x0400;
// Puts a text in a frame's message pane: lParam a text, or, when it is 0,
// wParam the id of a string (AFX_IDS_IDLEMESSAGE for "Ready").
inline constexpr UINT WM_SETMESSAGESTRING = 0x0362;
// Asks a frame to compose its caption again: its document's title changed.
inline constexpr UINT WM_UPDATEFRAMETITLE = 0x0370;

// WM_SIZE size types.
inline constexpr UINT SIZE_RESTORED = 0;
inline constexpr UINT SIZE_MINIMIZED = 1;
inline constexpr UINT SIZE_MAXIMIZED = 2;

// Virtual keys of WM_KEYDOWN: letters and digits are their upper-case
// characters; a key with no code of its own arrives as 0.
inline constexpr UINT VK_ESCAPE = 0x1B;

// Key flags of the mouse messages.
inline constexpr UINT MK_LBUTTON = 0x0001;
inline constexpr UINT MK_RBUTTON = 0x0002;
inline constexpr UINT MK_SHIFT = 0x0004;
inline constexpr UINT MK_CONTROL = 0x0008;
inline constexpr UINT MK_MBUTTON = 0x0010;

// Command notification codes: a command itself, or the question whether it is enabled.
inline constexpr int CN_COMMAND = 0;
inline constexpr int CN_UPDATE_COMMAND_UI = -1;

// PeekMessage flags.
inline constexpr UINT PM_NOREMOVE = 0x0000;
