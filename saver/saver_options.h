#pragma once
// The saver's command line, read before any window exists. Options take one
// dash or two (-root is --root) and their value as the next argument or
// after "=". Every fault is one line, without the program's name.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/window/saver_window.h"
#include "saver/flight_settings.h"

struct SaverOptions {
  enum class Action { run, help, version, error };
  Action action = Action::run;
  std::string error;

  SaverPlacement placement;
  bool showStatistics = false;
  std::uint32_t delayUs = kDefaultDelayUs;
  double speed = 1.0;
  std::optional<std::uint32_t> seed;  // none: a fresh seed from the clock
  std::uint32_t newCitySeconds = kDefaultNewCitySeconds;  // 0: never
};

// args: the command line without the program's own name.
SaverOptions ParseSaverOptions(const std::vector<std::string>& args);

std::string SaverHelpText(const std::string& program);

// Exit status for a command line or a window that cannot be used.
inline constexpr int kSaverUsageStatus = kUnusableWindowStatus;
