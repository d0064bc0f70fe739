#include "render/frame_compose.h"

#include "render/overlay_text.h"
#include "render/road_grid.h"

namespace {

constexpr int kPointsPerQuad = 4;

void DrawQuadrilaterals(CDC& back, FramePens& pens, const SceneStore& s) {
  const std::int32_t end = s.pointCount < kMaxPolygonPoints ? s.pointCount : kMaxPolygonPoints;
  for (std::int32_t i = 0; i + kPointsPerQuad <= end; i += kPointsPerQuad) {
    const std::int32_t shade = s.polygonShade[i];  // only the first point's shade counts
    if (shade >= 0 && shade < std::int32_t(pens.brushes.size())) back.SelectObject(&pens.brushes[shade]);
    back.Polygon(&s.polygonPoints[i], kPointsPerQuad);
  }
}

}  // namespace

FramePens::FramePens() : outline(PS_SOLID, 1, kOutlineColor) {
  for (std::size_t i = 0; i < brushes.size(); ++i) brushes[i].CreateSolidBrush(shadeColors[i]);
}

// By index, 0 first: the array would destroy them last first.
FramePens::~FramePens() {
  for (CBrush& b : brushes) b.DeleteObject();
}

bool FramePens::Made() const {
  bool made = outline.GetSafeHandle() != nullptr;
  for (const CBrush& b : brushes) made = made && b.GetSafeHandle() != nullptr;
  return made;
}

void ComposeFrame(CDC& back, const Rect& clientRect, FramePens& pens, StatisticsLine line) {
  const SceneStore& s = Scene();
  back.FillSolidRect(clientRect, kGroundColor);
  DrawRoadGrid(back, clientRect, s.camera);

  CBrush* oldBrush = back.SelectObject(&pens.brushes[0]);  // even with nothing to draw
  CPen* oldPen = back.SelectObject(&pens.outline);
  DrawQuadrilaterals(back, pens, s);

  if (line == StatisticsLine::shown) {
    // The text background is the colour of the last solid fill: road or ground.
    back.SetTextColor(kOverlayTextColor);
    char text[kOverlayBufferSize];
    FormatOverlay(text, sizeof text,
                  {s.shownFps, s.visibleCount, s.pointCount / kPointsPerQuad, s.collisionCount});
    back.DrawText(text, -1, clientRect, DT_LEFT | DT_TOP);
  }

  back.SelectObject(oldPen);
  back.SelectObject(oldBrush);
}

bool ComposeFrame(CDC& back, const Rect& clientRect, StatisticsLine line) {
  FramePens pens;
  if (!pens.Made()) return false;
  ComposeFrame(back, clientRect, pens, line);
  return true;
}
