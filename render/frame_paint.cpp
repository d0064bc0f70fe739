#include "render/frame_paint.h"

#include "platform/draw/dc.h"
#include "render/back_buffer.h"
#include "render/frame_meter.h"

void PaintFrame(CDC& dc, const Rect& clientRect, StatisticsLine line) {
  FramePens pens;
  // A pen or brush that could not be made abandons the paint, uncounted.
  if (!pens.Made()) return;
  if (CDC* back = AcquireBackBuffer(dc, clientRect)) {
    ComposeFrame(*back, clientRect, pens, line);
    dc.BitBlt(0, 0, clientRect.Width(), clientRect.Height(), back, 0, 0, SRCCOPY);
  }
  CountPaintForMeter();
}
