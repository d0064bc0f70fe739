#pragma once
// Pictures of the flight for the png and frames commands: the frame the
// window would show, painted off screen and written as PNG without ever
// leaving a half-written file behind.

#include <cstdint>
#include <memory>
#include <string>

#include "base/geometry.h"
#include "tools/export_args.h"
#include "tools/export_options.h"

class ImageSurface;

// --size for a picture: 1 x 1 up to kMaxPictureSide on each side.
PictureSize RequiredPictureSize(const ExportArgs& args);

// Fonts need a GUI application; the exporter has no screen, so it uses Qt's
// offscreen platform. Made once, kept for the life of the process.
void EnsureGuiApplication();

// A black picture of size; throws UsageError when memory is short.
std::unique_ptr<ImageSurface> NewPicture(const PictureSize& size);

// Paints the frame of the last frame step into picture, with the clock
// reading tick throughout, so the meter counts as at that moment. Throws
// UsageError when there is not memory enough for a picture of this size.
void PaintPictureAt(std::uint32_t tick, ImageSurface& picture);

// Writes picture to a temporary file beside path and renames it into place.
// Throws UsageError naming path and the reason when that fails.
void WritePng(const ImageSurface& picture, const std::string& path);
