#pragma once
// The one process-wide body of state: the city, the camera, the geometry of
// the last frame step and the frame-rate meter. Fixed capacities, nothing
// allocated at run time.

#include <array>
#include <cstdint>

#include "base/geometry.h"

class CKorTalwindView;

// A box standing on the ground plane.
struct Building {
  std::int32_t visible = 0;      // 1 when the last visibility pass found the centre in view
  std::int32_t viewOctant = 0;   // 0..7, direction from the camera (visible buildings only)
  double distanceSq = 0.0;       // squared ground distance from the camera (visible only)
  double centreX = 0.0;
  double centreY = 0.0;
  double height = 0.0;           // roof altitude: 400, 600, 800, 1000 or 1200
  double width = 0.0;            // full extent along x
  double depth = 0.0;            // full extent along y
};

// The eye point, looking straight down.
struct Camera {
  double x = 0.0;
  double y = 0.0;
  double altitude = 3000.0;
  double zoom = 1.0;
};

inline constexpr int kMaxBuildings = 100;
inline constexpr int kMaxPolygonPoints = 1200;  // 4 per quadrilateral, 3 quadrilaterals per building

inline constexpr double kRoadHalfWidth = 20.0;
inline constexpr double kBlockPitch = 1000.0;
inline constexpr std::int32_t kGridRadius = 5;

// Fill colours by shade index: the four walls, then the roof.
inline constexpr std::array<COLORREF, 5> shadeColors = {
    RGB(190, 190, 190),  // low-y wall, faces the bottom of the picture
    RGB(210, 210, 210),  // high-x wall, faces the right
    RGB(150, 150, 150),  // high-y wall, faces the top
    RGB(120, 120, 120),  // low-x wall, faces the left
    RGB(230, 230, 230),  // roof
};

// Per view octant: three quadrilaterals of four box corners (1-based corner numbers).
inline constexpr std::int32_t cornerTable[8][12] = {
    {2, 3, 7, 6, 3, 4, 8, 7, 5, 6, 7, 8},
    {1, 5, 8, 4, 3, 4, 8, 7, 5, 6, 7, 8},
    {2, 3, 7, 6, 1, 2, 6, 5, 5, 6, 7, 8},
    {1, 5, 8, 4, 1, 2, 6, 5, 5, 6, 7, 8},
    {3, 4, 8, 7, 2, 3, 7, 6, 5, 6, 7, 8},
    {3, 4, 8, 7, 1, 5, 8, 4, 5, 6, 7, 8},
    {1, 2, 6, 5, 2, 3, 7, 6, 5, 6, 7, 8},
    {1, 2, 6, 5, 1, 5, 8, 4, 5, 6, 7, 8},
};

// Per view octant: the shade index of each of the three quadrilaterals.
inline constexpr std::int32_t faceShadeTable[8][3] = {
    {1, 2, 4}, {3, 2, 4}, {1, 0, 4}, {3, 0, 4},
    {2, 1, 4}, {2, 3, 4}, {0, 1, 4}, {0, 3, 4},
};

struct SceneStore {
  std::array<Building, kMaxBuildings> buildings{};
  std::int32_t buildingCount = kMaxBuildings;
  std::int32_t generatedCount = 0;

  Camera camera{};

  std::array<std::int32_t, kMaxBuildings> visibleOrder{};
  std::int32_t visibleCount = 0;

  std::array<Point, kMaxPolygonPoints> polygonPoints{};
  std::array<std::int32_t, kMaxPolygonPoints> polygonShade{};
  std::int32_t pointCount = 0;
  std::int32_t collisionCount = 0;

  // Frame-rate meter.
  std::int32_t framesThisSecond = 0;
  std::int32_t shownFps = 0;
  std::uint32_t fpsWindowStart = 0;  // set from the clock when the program starts

  CKorTalwindView* activeView = nullptr;
};

// The process-wide store.
SceneStore& Scene();

// Puts the store back to its state at program start (fpsWindowStart = 0).
void ResetScene();
