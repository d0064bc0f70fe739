#pragma once
// The least any frame of a given size can cost: one fill of a whole 32-bit
// picture and one copy of it to a second picture, with the library's fastest
// routines. The paint is measured against this.

#include <cstdint>
#include <vector>

class MemoryFloor {
 public:
  MemoryFloor(int width, int height);
  // One fill and one copy.
  void Run(std::uint32_t color);
  std::uint32_t WindowPixel(std::size_t i) const { return window_[i]; }

 private:
  std::vector<std::uint32_t> image_;
  std::vector<std::uint32_t> window_;
};

// Processor seconds one Run takes at this size: the figure recorded by the floor
// benchmark of this run, or a short measurement of its own when that one was
// filtered out.
double FloorSeconds(int width, int height);
void RecordFloorSeconds(int width, int height, double seconds);
