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

// Icon id at exactly size x size logical pixels for a screen at ratio; null
// when the resource has no picture of that size. Unlike a pixmap taken from a
// fresh QIcon, it adds nothing to the toolkit's pixmap cache, which would
// otherwise keep a copy for every dialog shown.
QPixmap LoadIconPixmap(unsigned id, int size, qreal ratio = 1.0);

// image for a screen at ratio: scaled once, smoothly, to that screen's
// pixels. Left to the toolkit, a picture is scaled as it is drawn, each pixel
// repeated, unevenly where the ratio is not whole.
QPixmap PixmapForRatio(const QImage& image, qreal ratio);

// image as an icon for every screen there is: at its own size, and scaled
// for each screen whose ratio is not 1.
QIcon IconForScreens(const QImage& image);
