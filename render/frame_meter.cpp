#include "render/frame_meter.h"

#include <cstdint>

#include "platform/core/tick_count.h"
#include "scene/scene_store.h"

namespace {
constexpr std::uint32_t kSampleMs = 1000;
}

void CountPaintForMeter() {
  SceneStore& s = Scene();
  ++s.framesThisSecond;
  const std::uint32_t elapsed = GetTickCount() - s.fpsWindowStart;
  if (elapsed >= kSampleMs) {
    s.shownFps = s.framesThisSecond;
    s.framesThisSecond = 0;
    s.fpsWindowStart = GetTickCount();
  }
}
