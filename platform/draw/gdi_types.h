#pragma once
// Handles and constants of the drawing services. A handle names a platform
// object owned by a CPen, CBrush, CBitmap or CDC; it is null when the object
// was never created or has been deleted.

#include <cstdint>

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
