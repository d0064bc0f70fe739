#pragma once
// Command-line options of kortalwind-export: "--name value" or "--name=value",
// each at most once, checked strictly (whole numbers only, within range, no
// trailing junk). Every fault is a UsageError with a one-line message.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/quoted_text.h"

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PictureSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// A whole decimal number from min to max; `what` names it in the message.
std::uint64_t ParseUnsigned(std::string_view text, std::uint64_t min, std::uint64_t max,
                            std::string_view what);

// A decimal number ("2", "1.25") from min to max.
double ParseRatio(std::string_view text, double min, double max, std::string_view what);

// "WxH" with each side from 0 to maxSide.
PictureSize ParseSize(std::string_view text, std::int32_t maxSide, std::string_view what);

class ExportArgs {
 public:
  // Takes the arguments after the command name; `allowed` lists the option
  // names the command accepts, with their leading "--", and `flags` those
  // that take no value.
  ExportArgs(std::string_view command, std::span<const std::string_view> args,
             std::initializer_list<std::string_view> allowed, std::initializer_list<std::string_view> flags = {});

  std::optional<std::string_view> Get(std::string_view name) const;
  bool Has(std::string_view name) const { return Get(name).has_value(); }
  std::string_view Required(std::string_view name) const;

  std::uint64_t Unsigned(std::string_view name, std::uint64_t min, std::uint64_t max,
                         std::uint64_t fallback) const;
  std::uint64_t RequiredUnsigned(std::string_view name, std::uint64_t min, std::uint64_t max) const;
  PictureSize RequiredSize(std::string_view name, std::int32_t maxSide) const;
  double Ratio(std::string_view name, double min, double max, double fallback) const;

 private:
  std::string command_;
  std::vector<std::pair<std::string_view, std::string_view>> values_;
};
