#pragma once
// The registered bitmaps and icons, decoded into pictures.

#include "platform/core/pixel_image.h"

// Bitmap id as one strip of its cells; the error names a missing id or a
// faulty cell.
DecodedImage LoadBitmapResource(unsigned id);

// The image of icon id at size (16 or 32); the error names what is missing.
DecodedImage LoadIconImage(unsigned id, int size);
