#include "pipeline/frame_geometry.h"

#include "pipeline/cull_and_sort.h"
#include "pipeline/place_camera.h"
#include "pipeline/project_buildings.h"
#include "scene/scene_store.h"

void ComputeFrameGeometry(std::uint32_t tick, const Rect& clientRect) {
  Camera& camera = Scene().camera;
  PlaceCamera(tick, camera);
  CullAndSort(camera, clientRect);
  ProjectBuildings(camera, clientRect);
}
