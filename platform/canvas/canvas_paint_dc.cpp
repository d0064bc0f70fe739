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

bool CanvasPaintDC::CopyRgba(std::uint8_t* rgba) {
  const std::uint32_t* pixels = Pixels();
  if (!pixels || !rgba) return false;
  for (const std::uint32_t pixel : m_hDC->ownPixels.pixels) {
    *rgba++ = std::uint8_t(pixel >> 16);
    *rgba++ = std::uint8_t(pixel >> 8);
    *rgba++ = std::uint8_t(pixel);
    *rgba++ = std::uint8_t(pixel >> 24);
  }
  return true;
}
