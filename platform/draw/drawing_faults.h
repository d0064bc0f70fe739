#pragma once
// Lets tests make the creation of drawing resources fail, so the paths that a
// machine short of memory or handles takes can be exercised, and make a kept
// drawing refuse what it would take, so the way round it is exercised too.
// Nothing fails unless a test asks for it.

struct DrawingFaults {
  bool surfaceObject = false;  // new (std::nothrow) CDC gives null
  bool context = false;        // CDC::CreateCompatibleDC fails
  bool bitmapObject = false;   // new (std::nothrow) CBitmap gives null
  bool bitmap = false;         // CBitmap::CreateCompatibleBitmap fails
  bool pen = false;            // CPen creation fails
  bool brush = false;          // CBrush creation fails
  bool keptPolygon = false;    // a surface that keeps its drawing refuses a polygon
};

// Stays in force until replaced; DrawingFaults{} puts everything back.
void SetDrawingFaults(const DrawingFaults& faults);
const DrawingFaults& CurrentDrawingFaults();
