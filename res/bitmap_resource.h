#pragma once
// Bitmaps by id. The toolbar bitmap is one strip of equally wide button
// images on the silver of a button face, in the order of the toolbar's
// non-separator buttons.

#include "res/pixel_image.h"

// Silver, drawn as the button face colour when a glyph is shown.
inline constexpr COLORREF kButtonFaceColour = RGB(192, 192, 192);

// The bitmap with this id; the error names a missing id or a faulty source.
DecodedImage LoadBitmapResource(unsigned id);
