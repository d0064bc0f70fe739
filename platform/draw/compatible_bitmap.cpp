// Kept apart from bitmap.cpp: making a bitmap to suit a surface needs the
// surface, and surfaces hold bitmaps, so neither file needs the other.
#include "platform/draw/bitmap.h"
#include "platform/draw/dc.h"
#include "platform/draw/device_context.h"

bool CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  HDC context = dc ? dc->GetSafeHdc() : nullptr;
  if (dc && !context) return false;
  // A memory surface's format is that of its selected bitmap; anything else
  // draws in colour.
  const QImage* current = context && context->IsMemory() ? context->SourceImage() : nullptr;
  return Create(width, height, current && current->format() == QImage::Format_Mono);
}
