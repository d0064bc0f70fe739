#pragma once
// Platform-internal: resource pictures as toolkit images.

#include <QIcon>
#include <QImage>

#include "res/pixel_image.h"

// See-through pixels become transparent; so does transparentColour when given.
QImage ToQImage(const PixelImage& image, std::optional<COLORREF> transparentColour = std::nullopt);

// Icon id at its large and small sizes; null when the resource has none.
QIcon LoadIconResource(unsigned id);
