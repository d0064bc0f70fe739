#include "platform/canvas/canvas_paint_dc.h"

#include "platform/canvas/canvas_objects.h"

CanvasPaintDC::CanvasPaintDC(int width, int height, double pixelRatio) {
  if (width < 1 || height < 1) return;
  try {
    m_hDC = new DeviceContext(width, height, pixelRatio);
  } catch (const std::bad_alloc&) {
    m_hDC = nullptr;
  }
}

const std::uint32_t* CanvasPaintDC::Pixels() {
  if (!m_hDC) return nullptr;
  m_hDC->Resolve();
  return m_hDC->ownPixels.pixels.data();
}
