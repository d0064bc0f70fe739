#pragma once
// The surface of one paint. Over a window, constructing it begins the paint
// and destroying it ends the paint and marks the window repainted; over an
// image surface it paints on the image. Either way drawing is clipped to the
// region being repainted.

#include "base/geometry.h"
#include "platform/draw/dc.h"

class CWnd;
class ImageSurface;

class CPaintDC : public CDC {
 public:
  // Only inside the window's paint handler.
  explicit CPaintDC(CWnd* wnd);
  // The whole image is being repainted.
  explicit CPaintDC(ImageSurface& target);
  // Only repaintRegion is being repainted.
  CPaintDC(ImageSurface& target, const Rect& repaintRegion);
  ~CPaintDC() override;

 private:
  CWnd* m_wnd = nullptr;  // the window being painted, if any
};
