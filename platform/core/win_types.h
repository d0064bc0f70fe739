#pragma once
// The framework's plain vocabulary: integer types, handles, the message
// record and the creation parameters. No toolkit types appear here.

#include <cstdint>

#include "base/geometry.h"

using BOOL = int;
using UINT = std::uint32_t;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// A window handle names a live window; it never points at anything a caller may use.
struct HWND__;
using HWND = HWND__*;

// The message record of the loop: the most recently dispatched message.
struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  Point pt{};
};

// What WM_CREATE carries.
struct CREATESTRUCT {
  void* lpCreateParams = nullptr;
  HWND hwndParent = nullptr;
  UINT id = 0;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  DWORD style = 0;
  const char* lpszName = nullptr;
};
using LPCREATESTRUCT = CREATESTRUCT*;

// Two 16-bit halves in one parameter, as WM_SIZE and the mouse messages pack them.
constexpr LPARAM MAKELPARAM(int low, int high) {
  return LPARAM(std::uint32_t(std::uint16_t(low)) | (std::uint32_t(std::uint16_t(high)) << 16));
}
constexpr int LOWORD(LPARAM value) { return int(std::uint16_t(std::uint32_t(value) & 0xFFFF)); }
constexpr int HIWORD(LPARAM value) { return int(std::uint16_t((std::uint32_t(value) >> 16) & 0xFFFF)); }
// Mouse coordinates are signed: a drag can leave the window.
constexpr int GET_X_LPARAM(LPARAM value) { return int(std::int16_t(std::uint32_t(value) & 0xFFFF)); }
constexpr int GET_Y_LPARAM(LPARAM value) { return int(std::int16_t((std::uint32_t(value) >> 16) & 0xFFFF)); }
