#include "render/back_buffer.h"

#include <new>

namespace {
BackBuffer buffer;
}  // namespace

const BackBuffer& CurrentBackBuffer() { return buffer; }

CDC* AcquireBackBuffer(CDC& paintDC, const Rect& clientRect) {
  // Only the size counts, not where the rectangle lies.
  if (buffer.backDC && clientRect.Width() == buffer.backRect.Width() &&
      clientRect.Height() == buffer.backRect.Height()) {
    return buffer.backDC;
  }
  ReleaseBackBuffer();
  // Recorded before anything is made, so a failure below is not retried
  // until the size changes.
  buffer.backRect = clientRect;

  buffer.backDC = new (std::nothrow) CDC;
  if (!buffer.backDC) return nullptr;
  if (!buffer.backDC->CreateCompatibleDC(&paintDC)) return buffer.backDC;

  buffer.backBitmap = new (std::nothrow) CBitmap;
  if (!buffer.backBitmap) return buffer.backDC;
  // Compatible with the paint surface: the new memory context's own default
  // bitmap is monochrome. A failure here goes unnoticed; the surface keeps
  // that 1 x 1 default.
  buffer.backBitmap->CreateCompatibleBitmap(&paintDC, clientRect.Width(), clientRect.Height());
  CBitmap* displaced = buffer.backDC->SelectObject(buffer.backBitmap);
  buffer.previousBitmap = displaced ? displaced->GetSafeHandle() : nullptr;
  return buffer.backDC;
}

void ReleaseBackBuffer() {
  if (!buffer.backDC) return;
  if (buffer.backBitmap) {
    buffer.backDC->SelectObject(CBitmap::FromHandle(buffer.previousBitmap));
    delete buffer.backBitmap;
    buffer.backBitmap = nullptr;
  }
  delete buffer.backDC;
  buffer.backDC = nullptr;
}

void ResetBackBuffer() {
  ReleaseBackBuffer();
  buffer = BackBuffer{};
}
