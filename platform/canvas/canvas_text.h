#pragma once
// The text every canvas surface draws: laid out from the glyph table the
// build measured on the desktop, so that the page draws the desktop's pixels.

#include "platform/raster/table_text.h"

// Where the one-time notices of the text go (a size or characters the table
// lacks); standard error until set.
void SetCanvasTextNotice(TableText::Notice notice);

// The layout all canvas surfaces share, so each notice is given once a process.
TableText& CanvasText();
