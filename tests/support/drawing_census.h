#pragma once
// For tests: how many drawing objects exist right now, to see that what was
// made is freed exactly once. A memory context counts its own default
// bitmap; the default pen and brush are stock objects that every context
// shares, made once at start-up.

struct DrawingCensus {
  int contexts = 0;
  int bitmaps = 0;
  int pens = 0;
  int brushes = 0;
  friend bool operator==(const DrawingCensus&, const DrawingCensus&) = default;
};

DrawingCensus LiveDrawingObjects();
