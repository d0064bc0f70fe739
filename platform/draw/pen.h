#pragma once
// A pen for outlines. Deleting the pen frees its platform object; select it
// out of every surface first.

#include "base/geometry.h"
#include "platform/draw/gdi_types.h"

class CPen {
 public:
  CPen() = default;
  // On failure the pen has no handle and draws nothing when selected.
  CPen(int penStyle, int width, COLORREF color);
  ~CPen();
  CPen(const CPen&) = delete;
  CPen& operator=(const CPen&) = delete;

  // Only PS_SOLID is drawn; width 0 or 1 is a one-pixel line.
  bool CreatePen(int penStyle, int width, COLORREF color);
  bool DeleteObject();
  HPEN GetSafeHandle() const { return m_hObject; }

 private:
  friend struct DeviceContext;  // builds the default objects, which never fail
  HPEN m_hObject = nullptr;
};
