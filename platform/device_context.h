#pragma once
// Platform-internal: the Qt objects behind the drawing handles. Only files in
// platform/ include this.

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRegion>

#include "platform/bitmap.h"
#include "platform/brush.h"
#include "platform/image_surface.h"
#include "platform/pen.h"
#include "scene/geometry.h"

// Keeps the number of live T for the drawing census.
template <class T>
struct Counted {
  Counted() { ++live; }
  Counted(const Counted&) { ++live; }
  ~Counted() { --live; }
  static inline int live = 0;
};

struct BitmapObject {
  QImage image;
  CBitmap* owner = nullptr;
  DeviceContext* selectedInto = nullptr;  // a bitmap sits in at most one surface
  Counted<BitmapObject> counted{};
};

struct PenObject {
  QPen pen;
  Counted<PenObject> counted{};
};

struct BrushObject {
  QBrush brush;
  Counted<BrushObject> counted{};
};

// A 1 x 1 black monochrome image: a new memory context's default bitmap.
QImage NewMonochromeImage();

QColor ToQColor(COLORREF color);
COLORREF FromQRgb(QRgb rgb);

// One context: where drawing lands and the state GDI keeps per context.
struct DeviceContext {
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
  // The image pixels are read from for a copy; null for a window.
  const QImage* SourceImage() const;
  bool IsMemory() const { return memory; }

  CBitmap* SelectBitmap(CBitmap* next);
  void DropBitmap(BitmapObject* gone);  // gone is being deleted while selected

  bool memory = false;
  QPaintDevice* device = nullptr;
  bool clipped = false;
  QRegion clip;
  QPainter painter;
  bool paintFailed = false;  // begin() refused once; not asked again for this target

  CBitmap* bitmap = nullptr;  // memory contexts only
  CPen* pen = nullptr;
  CBrush* brush = nullptr;
  COLORREF background = RGB(255, 255, 255);
  COLORREF text = RGB(0, 0, 0);

  Counted<DeviceContext> counted;
  CBitmap defaultBitmap;
  CPen defaultPen;
  CBrush defaultBrush;
};

struct ImageSurface::Impl {
  QImage image;
};
