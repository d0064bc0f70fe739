#pragma once
// The page's settings, from its address: ?seed=N&speed=R&fps=0|1&new-city=S,
// named and ranged as the saver's options. A bad value leaves that setting at
// its default and is named in one line; the page always starts.
// Two more are for the tests and the figures, not for users: fixed-tick=T
// holds the clock at T, fixed-size=WxH gives the picture that many device
// pixels whatever the window's size, and bench=N makes the page time N paints
// of that one frame instead of flying.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "saver/flight_settings.h"

struct PictureSide {
  int width = 0;
  int height = 0;
};

struct PageSettings {
  std::optional<std::uint32_t> seed;  // none: a fresh seed from the clock
  double speed = 1.0;
  bool showStatistics = true;  // as the program's window shows it
  std::uint32_t newCitySeconds = kDefaultNewCitySeconds;  // 0: never
  std::optional<std::uint32_t> fixedTick;
  std::optional<PictureSide> fixedSize;
  std::uint32_t benchPaints = 0;
};

// query: the address's search part, with or without its "?". Each setting
// that was ignored adds one line to faults.
PageSettings ReadPageSettings(std::string_view query, std::vector<std::string>& faults);
