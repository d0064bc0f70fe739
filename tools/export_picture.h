#pragma once
// What the picture commands share: the size option, the toolkit they paint
// with, and PNG files written without ever leaving a half-written one behind.

#include <cstdint>
#include <string>

#include "base/geometry.h"
#include "tools/export_args.h"
#include "tools/export_options.h"

class ImageSurface;

// --size for a picture: 1 x 1 up to kMaxPictureSide on each side.
PictureSize RequiredPictureSize(const ExportArgs& args);

// --scale: the ratio of device to logical pixels of the screen the picture is
// for, kMinScale to kMaxScale, 1 when not given.
double PictureScale(const ExportArgs& args);

// Fonts need a GUI application; the exporter has no screen, so it uses Qt's
// offscreen platform. Made once, kept for the life of the process.
void EnsureGuiApplication();

// Writes picture to a temporary file beside path and renames it into place.
// Throws UsageError naming path and the reason when that fails.
void WritePng(const ImageSurface& picture, const std::string& path);
// Where WritePng puts the picture until it is complete.
std::string PngTemporaryPath(const std::string& path);
