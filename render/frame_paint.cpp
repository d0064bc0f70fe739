#include "render/frame_paint.h"

#include <array>

#include "platform/draw/brush.h"
#include "platform/draw/pen.h"
#include "platform/window/paint_dc.h"
#include "render/back_buffer.h"
#include "render/frame_meter.h"
#include "render/overlay_text.h"
#include "render/road_grid.h"
#include "scene/scene_store.h"

namespace {

constexpr int kPointsPerQuad = 4;
using ShadeBrushes = std::array<CBrush, shadeColors.size()>;

void DrawQuadrilaterals(CDC& back, ShadeBrushes& brushes, const SceneStore& s) {
  const std::int32_t end = s.pointCount < kMaxPolygonPoints ? s.pointCount : kMaxPolygonPoints;
  for (std::int32_t i = 0; i + kPointsPerQuad <= end; i += kPointsPerQuad) {
    const std::int32_t shade = s.polygonShade[i];  // only the first point's shade counts
    if (shade >= 0 && shade < std::int32_t(brushes.size())) back.SelectObject(&brushes[shade]);
    back.Polygon(&s.polygonPoints[i], kPointsPerQuad);
  }
}

void ComposeFrame(CDC& back, const Rect& clientRect, CPen& outline, ShadeBrushes& brushes, StatisticsLine line) {
  const SceneStore& s = Scene();
  back.FillSolidRect(clientRect, kGroundColor);
  DrawRoadGrid(back, clientRect, s.camera);

  CBrush* oldBrush = back.SelectObject(&brushes[0]);  // even with nothing to draw
  CPen* oldPen = back.SelectObject(&outline);
  DrawQuadrilaterals(back, brushes, s);

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

// By index, 0 first: an array would destroy them last first.
void DeleteBrushes(ShadeBrushes& brushes) {
  for (CBrush& b : brushes) b.DeleteObject();
}

}  // namespace

void PaintFrame(CPaintDC& dc, const Rect& clientRect, StatisticsLine line) {
  CPen outline(PS_SOLID, 1, kOutlineColor);
  ShadeBrushes brushes;
  for (std::size_t i = 0; i < brushes.size(); ++i) brushes[i].CreateSolidBrush(shadeColors[i]);
  // A pen or brush that could not be made abandons the paint, uncounted.
  bool made = outline.GetSafeHandle() != nullptr;
  for (const CBrush& b : brushes) made = made && b.GetSafeHandle() != nullptr;
  if (!made) {
    DeleteBrushes(brushes);
    return;
  }

  if (CDC* back = AcquireBackBuffer(dc, clientRect)) {
    ComposeFrame(*back, clientRect, outline, brushes, line);
    dc.BitBlt(0, 0, clientRect.Width(), clientRect.Height(), back, 0, 0, SRCCOPY);
  }
  DeleteBrushes(brushes);
  CountPaintForMeter();
}  // the pen goes last
