#pragma once
// The road bands: one per grid line whose two edges both lie inside the
// visible ground, each crossing the whole picture. Constant-x bands come
// first, then constant-y, each in ascending grid order.

#include <array>
#include <cstdint>

#include "base/geometry.h"
#include "scene/scene_store.h"

class CDC;

inline constexpr COLORREF kRoadColor = RGB(64, 64, 64);
inline constexpr int kMaxRoadBands = 2 * (2 * kGridRadius + 1);

struct RoadBands {
  std::array<Rect, kMaxRoadBands> rects{};  // left, top included; right, bottom excluded
  int count = 0;
};

// The rectangles DrawRoadGrid fills, in fill order. Pure: reads nothing else.
RoadBands RoadBandsOf(const Rect& clientRect, const Camera& camera);

// Fills the bands in the road colour; always returns 0.
std::int32_t DrawRoadGrid(CDC& dc, const Rect& clientRect, const Camera& camera);
