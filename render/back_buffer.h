#pragma once
// The one off-screen surface every frame is composed in. Built by the first
// paint, kept while the client area keeps its width and height, rebuilt by
// the first paint after a size change, freed when the render window goes.

#include "base/geometry.h"
#include "platform/draw/bitmap.h"
#include "platform/draw/dc.h"

struct BackBuffer {
  CDC* backDC = nullptr;           // owned; holds a memory context when that could be made
  CBitmap* backBitmap = nullptr;   // owned; exists only while backDC does
  HBITMAP previousBitmap = nullptr;  // what backDC held before backBitmap; not owned
  Rect backRect{};                 // the client rectangle the surface was built for
};

// The process-wide back buffer, for inspection by tests and tools.
const BackBuffer& CurrentBackBuffer();

// The surface for a paint of clientRect, compatible with paintDC; null when
// no surface object could be made. A surface whose context or bitmap failed
// is returned as it is and not rebuilt until the size changes.
CDC* AcquireBackBuffer(CDC& paintDC, const Rect& clientRect);

// Frees the surface and its bitmap; does nothing when there is none.
void ReleaseBackBuffer();

// Frees everything and forgets the rectangle and the displaced bitmap too,
// as at program start. For tests.
void ResetBackBuffer();
