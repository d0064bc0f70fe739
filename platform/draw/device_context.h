#pragma once
// Platform-internal: a surface and the state GDI keeps per surface. Only
// files in platform/ include this.

#include <QPainter>
#include <QRegion>

#include <memory>
#include <optional>

#include "base/geometry.h"
#include "platform/draw/bitmap.h"
#include "platform/draw/brush.h"
#include "platform/draw/gdi_objects.h"
#include "platform/draw/image_surface.h"
#include "platform/draw/pen.h"
#include "platform/draw/text_capture.h"
#include "platform/draw/text_line_cache.h"
#include "platform/raster/deferred_surface.h"

// A line of text laid out in the context's text cache, and how to draw it.
struct PlacedText {
  QRect clip;   // the box, inside the surface
  QRect cells;  // what the text covers inside the box: filled with the background
  COLORREF background;
  COLORREF color;
  bool ownClip;  // the box is not the whole surface
};

// width x height logical pixels at ratio, in device pixels: rounded as the
// toolkit rounds a window's backing store.
QSize DevicePixelSize(int width, int height, double ratio);

// One context: where drawing lands and the state GDI keeps per context.
struct DeviceContext final : BitmapHolder {
  // A memory context: draws into its selected bitmap, which starts as a 1 x 1
  // monochrome default.
  DeviceContext();
  // A paint context on device (a widget or an image), clipped to region when
  // one is given.
  DeviceContext(QPaintDevice* device, const QRegion* region);
  ~DeviceContext();
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  // The painter on the current target, begun on first use; null when nothing
  // can be painted on.
  QPainter* Painter();
  void EndPainting();
  // Text needs the surface's default font on the painter; nothing else does,
  // so a paint that only copies pixels never sets it up.
  void UseSurfaceFont();
  // The size drawing is clipped to: the device's pixels, or for a window
  // drawn in device pixels, its size in those.
  QSize SurfaceSize() const;
  // The image pixels are read from for a copy; null for a window.
  const QImage* SourceImage() const;
  bool IsMemory() const { return memory; }

  // A memory context on a colour bitmap keeps its fills, polygons and text
  // and writes them when the pixels are needed (see DeferredSurface); it is
  // decided when the bitmap is selected. The surface that keeps them, or null
  // when this context draws at once.
  DeferredSurface* Deferred() { return deferred ? &*deferred : nullptr; }
  // Writes what was kept into the bitmap. Everything that reads, replaces or
  // draws over the pixels another way calls this first.
  void Resolve();
  // The selected bitmap's rows; only while it is a 32-bit colour image.
  PixelRows Rows();
  // Where a block copy may write its pixels straight into this context's
  // target: the 32-bit image under the painter, the offset from this
  // context's coordinates to the image's, and the rectangle (in this
  // context's coordinates) the copy may write. False when drawing here takes
  // more than that: a scale, a clip of more than one rectangle, another format.
  bool WritableArea(PixelRows& rows, QPoint& offset, QRect& area);
  void DrawPlacedText(const PlacedText& text);

  CBitmap* SelectBitmap(CBitmap* next);
  void DropBitmap(BitmapObject* gone) override;  // gone is being deleted while selected

  bool memory = false;
  QPaintDevice* device = nullptr;
  // A window whose coordinates are its device pixels, not the toolkit's
  // scaled ones: drawing lands on the screen's pixels 1:1.
  bool devicePixels = false;
  // The ratio of device to logical pixels of the screen the pixels are for:
  // text is drawn that much larger, so it keeps its size on that screen.
  // Memory contexts take it from the context they are made compatible with.
  double pixelRatio = 1.0;
  bool clipped = false;
  QRegion clip;
  QPainter painter;
  bool paintFailed = false;  // begin() refused once; not asked again for this target

  CBitmap* bitmap = nullptr;  // memory contexts only
  CPen* pen = nullptr;
  CBrush* brush = nullptr;
  COLORREF background = kDefaultBkColor;
  COLORREF text = kDefaultTextColor;

  bool fontSet = false;
  // Kept between calls so that drawing the same line again allocates nothing.
  QPen textPen{Qt::NoPen};
  TextLineCache lastText;

  std::optional<DeferredSurface> deferred;
  // Lays out the text a kept surface records as runs of pixels.
  TextCapture textCapture;

  Counted<DeviceContext> counted;
  CBitmap defaultBitmap;  // memory contexts only

  // Paint contexts come from ForPaint and all contexts go through Dispose.
  // Building a context (its painter above all) allocates, and a program paints
  // one window after another, so the last paint context ended is kept for the
  // next paint. ForPaint gives null when out of memory.
  static DeviceContext* ForPaint(QPaintDevice* device, const QRegion* region);
  static void Dispose(DeviceContext* dc);
  // Contexts kept for reuse: not live as far as the drawing census goes.
  static int Parked();

  // Like the system's stock objects, the default pen and brush are shared by
  // every context and live for the whole process.
  static CPen& DefaultPen();
  static CBrush& DefaultBrush();
};

