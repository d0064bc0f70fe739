#pragma once
// Platform-internal to the canvas: the plain objects behind the drawing
// handles where there is no toolkit (the browser's page). Pixels are 32-bit
// words whose bytes in memory are red, green, blue and alpha, as a canvas
// takes them (0xffBBGGRR on the little-endian machines the page runs on:
// WebAssembly is one), so the page hands its picture over as it is. The
// raster layer only copies the words it is given, so it draws the desktop's
// picture in either order.

#include <cstdint>
#include <optional>
#include <vector>

#include "base/geometry.h"
#include "platform/draw/bitmap.h"
#include "platform/draw/brush.h"
#include "platform/draw/gdi_types.h"
#include "platform/draw/pen.h"
#include "platform/raster/deferred_surface.h"
#include "platform/raster/raster_polygon.h"

// The pixel word of a colour: a colour's own bytes are red, green, blue.
inline std::uint32_t PixelOf(COLORREF color) { return 0xff000000u | (color & 0xffffffu); }

struct BitmapObject {
  BitmapObject() = default;
  // Taken out of its surface first, which falls back to its default bitmap.
  ~BitmapObject();
  BitmapObject(const BitmapObject&) = delete;
  BitmapObject& operator=(const BitmapObject&) = delete;

  // width x height black colour pixels; false, with the object as it was,
  // without the memory for them.
  bool MakeColor(int width, int height);

  int width = 1;
  int height = 1;
  // A monochrome bitmap takes no drawing and gives no pixels: only a new
  // memory context's default and the bitmaps made to suit one hold it.
  bool monochrome = true;
  std::vector<std::uint32_t> pixels;  // colour bitmaps only, row after row
  CBitmap* owner = nullptr;
  DeviceContext* selectedInto = nullptr;  // a bitmap sits in at most one surface

  PixelRows Rows() { return {pixels.data(), width, width, height}; }
};

struct PenObject {
  std::uint32_t pixel;
  int width;
};

struct BrushObject {
  std::uint32_t pixel;
};

// One context: where drawing lands and the state kept per context. Whatever
// it draws on, it keeps the drawing (see DeferredSurface) until the pixels
// are read or drawn over another way.
struct DeviceContext {
  // A memory context holding a 1 x 1 monochrome default bitmap.
  DeviceContext();
  // A paint context on pixels of its own, for a screen at pixelRatio.
  DeviceContext(int width, int height, double pixelRatio);
  ~DeviceContext();
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  // The colour pixels drawing lands on, or null when it lands nowhere.
  BitmapObject* Target() { return !target->monochrome && !target->pixels.empty() ? target : nullptr; }
  // Writes what was kept into the pixels. Everything that reads them or
  // draws over them another way calls this first.
  void Resolve();
  CBitmap* SelectBitmap(CBitmap* next);
  // The selected bitmap is being deleted: back to the default one.
  void DropBitmap(BitmapObject* gone);

  bool memory = true;
  double pixelRatio = 1.0;  // of the screen text is drawn for
  BitmapObject ownPixels;  // paint contexts
  CBitmap defaultBitmap;   // memory contexts
  CBitmap* bitmap = nullptr;  // memory contexts: the selected one
  BitmapObject* target = &ownPixels;  // the selected bitmap's, or the paint context's own
  CPen* pen = nullptr;
  CBrush* brush = nullptr;
  COLORREF background = kDefaultBkColor;
  COLORREF text = kDefaultTextColor;
  std::optional<DeferredSurface> kept;

  // Shared by every context for the whole process, like the system's stock objects.
  static CPen& DefaultPen();
  static CBrush& DefaultBrush();
};
