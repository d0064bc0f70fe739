#pragma once
// A solid brush for fills. Deleting the brush frees its platform object;
// select it out of every surface first.

#include "base/geometry.h"
#include "platform/draw/gdi_types.h"

class CBrush {
 public:
  CBrush() = default;
  // On failure the brush has no handle and fills nothing when selected.
  explicit CBrush(COLORREF color);
  ~CBrush();
  CBrush(const CBrush&) = delete;
  CBrush& operator=(const CBrush&) = delete;

  bool CreateSolidBrush(COLORREF color);
  bool DeleteObject();
  HBRUSH GetSafeHandle() const { return m_hObject; }

 private:
  friend struct DeviceContext;  // builds the default objects, which never fail
  HBRUSH m_hObject = nullptr;
};
