#pragma once
// Handles and constants of the drawing services. A handle names a platform
// object owned by a CPen, CBrush, CBitmap or CDC; it is null when the object
// was never created or has been deleted.

#include <cstdint>

#include "base/geometry.h"

struct DeviceContext;
struct BitmapObject;
struct PenObject;
struct BrushObject;

using HDC = DeviceContext*;
using HBITMAP = BitmapObject*;
using HPEN = PenObject*;
using HBRUSH = BrushObject*;

inline constexpr int PS_SOLID = 0;

// Raster operation of BitBlt: the source pixels, unchanged.
inline constexpr std::uint32_t SRCCOPY = 0x00CC0020;

// DrawText format 0: left-aligned, top-aligned, lines broken only at '\n'.
inline constexpr unsigned DT_LEFT = 0;
inline constexpr unsigned DT_TOP = 0;

// A new surface's colours: black text on white.
inline constexpr COLORREF kDefaultBkColor = RGB(255, 255, 255);
inline constexpr COLORREF kDefaultTextColor = RGB(0, 0, 0);

// Deletes the platform object behind handle and forgets it; false when there
// was none.
template <class Object>
bool DeleteHandle(Object*& handle) {
  if (!handle) return false;
  delete handle;
  handle = nullptr;
  return true;
}
