#include "platform/canvas/canvas_paint_dc.h"

#include <cstring>

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
  // A word at a time, red and blue trading places: on a little-endian
  // machine (the browser's) its bytes are then red, green, blue, alpha, and
  // the compiler turns the loop into vector shifts, four pixels a step.
  for (const std::uint32_t pixel : m_hDC->ownPixels.pixels) {
    const std::uint32_t word = (pixel & 0xff00ff00u) | ((pixel >> 16) & 0xffu) | ((pixel & 0xffu) << 16);
    std::memcpy(rgba, &word, sizeof word);
    rgba += sizeof word;
  }
  return true;
}
