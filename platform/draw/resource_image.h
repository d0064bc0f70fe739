#pragma once
// Platform-internal: resource pictures as toolkit images.

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "platform/core/pixel_image.h"

// See-through pixels become transparent; so does transparentColour when given.
QImage ToQImage(const PixelImage& image, std::optional<COLORREF> transparentColour = std::nullopt);

// Icon id at its large and small sizes; null when the resource has none.
QIcon LoadIconResource(unsigned id);

// Icon id at exactly size x size; null when the resource has no such picture.
// Unlike a pixmap taken from a fresh QIcon, it adds nothing to the toolkit's
// pixmap cache, which would otherwise keep a copy for every dialog shown.
QPixmap LoadIconPixmap(unsigned id, int size);
