#pragma once
// One command of kortalwind-export, as listed in the dispatch table.

#include <span>
#include <string>
#include <string_view>

struct ExportCommand {
  std::string_view name;
  std::string_view synopsis;  // the options, for --help
  std::string_view summary;   // one line on what it prints
  // Takes the arguments after the command name and returns what goes to
  // stdout; throws UsageError on bad input, before anything is printed.
  std::string (*run)(std::span<const std::string_view> args);
};
