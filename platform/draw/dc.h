#pragma once
// A drawing surface. A new CDC has no context and draws nothing; a memory
// context from CreateCompatibleDC draws into the bitmap selected into it and
// starts out holding a 1 x 1 monochrome default bitmap, the default pen and
// the default brush. Destroying the CDC deletes its context.

#include <cstddef>
#include <cstdint>
#include <new>

#include "base/geometry.h"
#include "platform/draw/gdi_types.h"

class CBitmap;
class CBrush;
class CPen;

class CDC {
 public:
  CDC() = default;
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // A memory context compatible with dc (null: with the screen).
  bool CreateCompatibleDC(CDC* dc);
  bool DeleteDC();
  HDC GetSafeHdc() const { return m_hDC; }

  // Each returns the object it displaces, or null when nothing was selected
  // (no context, an object without a handle, a bitmap held by another surface).
  CBitmap* SelectObject(CBitmap* bitmap);
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);

  // Fills left <= x < right, top <= y < bottom, and makes color the
  // background colour.
  void FillSolidRect(const Rect& rect, COLORREF color);
  // Closed polygon: alternate fill with the brush, outline with the pen.
  bool Polygon(const Point* points, int count);
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetBkColor() const;
  // count -1: the text runs to its NUL. Opaque background in the background
  // colour, clipped to rect. Returns the height of the text drawn.
  int DrawText(const char* text, int count, const Rect& rect, unsigned format);
  // Copies width x height pixels from source at (xSrc, ySrc) to (x, y). Only
  // SRCCOPY is supported; pixels outside either surface are left alone.
  bool BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
              std::uint32_t rop);

  // new (std::nothrow) gives null when a test makes surface objects fail.
  static void* operator new(std::size_t size);
  static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
  static void operator delete(void* p) noexcept;

 protected:
  HDC m_hDC = nullptr;
};
