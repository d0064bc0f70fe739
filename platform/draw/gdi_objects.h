#pragma once
// Platform-internal: the Qt objects behind the drawing handles, which the
// pen, brush, bitmap and surface classes wrap. Only files in platform/
// include this.

#include <QBrush>
#include <QImage>
#include <QPen>

#include "base/geometry.h"
#include "platform/draw/gdi_types.h"

class CBitmap;

// Keeps the number of live T for the drawing census.
template <class T>
struct Counted {
  Counted() { ++live; }
  Counted(const Counted&) { ++live; }
  ~Counted() { --live; }
  static inline int live = 0;
};

// A surface that can hold a bitmap. A bitmap deleted while selected tells
// its surface, which falls back to its default bitmap.
class BitmapHolder {
 public:
  virtual void DropBitmap(BitmapObject* gone) = 0;

 protected:
  ~BitmapHolder() = default;
};

struct BitmapObject {
  QImage image;
  CBitmap* owner = nullptr;
  BitmapHolder* selectedInto = nullptr;  // a bitmap sits in at most one surface
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

// The pixels of an ImageSurface.
struct ImagePixels {
  QImage image;
};

// A 1 x 1 black monochrome image: a new memory context's default bitmap.
QImage NewMonochromeImage();

QColor ToQColor(COLORREF color);
COLORREF FromQRgb(QRgb rgb);
