#pragma once
// Platform-internal: what a surface that keeps its drawing keeps of each
// call, and the two ways of writing it into pixels.

#include <cstdint>
#include <span>
#include <vector>

#include "base/geometry.h"
#include "platform/raster/glyph_run.h"
#include "platform/raster/raster_polygon.h"

// One fill, polygon or line of glyphs as it was drawn.
struct RecordedShape {
  enum class Kind : std::uint8_t { kFill, kPolygon, kGlyphs } kind;
  bool filled = false;
  bool outlined = false;
  std::int8_t count = 0;
  std::uint32_t fillColor = 0;  // a fill's, a polygon's brush, the glyphs'
  std::uint32_t outlineColor = 0;
  std::int64_t left = 0;  // columns left <= x < right and rows top <= y < bottom hold all of it
  std::int64_t right = 0;
  std::int64_t top = 0;
  std::int64_t bottom = 0;
  int firstRun = 0;  // kGlyphs: its runs, firstRun <= i < endRun
  int endRun = 0;
  Point points[kMaxRasterCorners];  // kPolygon
};

// What was recorded, first drawn first.
struct Recording {
  std::span<const RecordedShape> shapes;
  std::span<const GlyphRun> runs;
};

// Draws the shapes in the order they came, one over another.
void ReplayInOrder(const Recording& recording, const RasterTarget& target);

// Writes the shapes nearest (last drawn) first, each pixel once, into what
// nothing nearer has covered yet; pixels nothing covers keep what they held.
// covered is the bit a pixel scratch space, kept by the caller. With
// staging (scratch space as well), each band of rows is written there first
// and then streamed into target whole; only for recordings that cover every
// pixel, since target's own pixels are not read.
void ResolveNearestFirst(const Recording& recording, const RasterTarget& target,
                         std::vector<std::uint64_t>& covered, std::vector<std::uint32_t>* staging);
