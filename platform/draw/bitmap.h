#pragma once
// A bitmap that a memory surface draws into. Deleting it frees its pixels; a
// bitmap still selected into a surface is taken out of it first, so the
// surface falls back to its default bitmap.

#include <cstddef>
#include <new>

#include "platform/draw/gdi_types.h"

class CDC;

class CBitmap {
 public:
  CBitmap() = default;
  ~CBitmap();
  CBitmap(const CBitmap&) = delete;
  CBitmap& operator=(const CBitmap&) = delete;

  // A bitmap of width x height in the colour format of the surface dc draws
  // on: a colour surface gives a colour bitmap, a memory surface that still
  // holds its monochrome default gives a monochrome one.
  bool CreateCompatibleBitmap(CDC* dc, int width, int height);
  bool DeleteObject();
  HBITMAP GetSafeHandle() const { return m_hObject; }

  // The bitmap object that owns the handle, or null for a null handle.
  static CBitmap* FromHandle(HBITMAP handle);

  // new (std::nothrow) gives null when a test makes bitmap objects fail.
  static void* operator new(std::size_t size);
  static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
  static void operator delete(void* p) noexcept;

 private:
  friend struct DeviceContext;  // builds the default bitmap, which never fails
  // A black bitmap (all 0 when monochrome); 0 x 0 gives GDI's 1 x 1 monochrome one.
  bool Create(int width, int height, bool monochrome);
  HBITMAP m_hObject = nullptr;
};
