#include "tests/support/drawing_census.h"

#include "platform/draw/device_context.h"

DrawingCensus LiveDrawingObjects() {
  return {Counted<DeviceContext>::live - DeviceContext::Parked(), Counted<BitmapObject>::live, Counted<PenObject>::live,
          Counted<BrushObject>::live};
}
