#include "saver/flight_settings.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kMinSpeed = 0.1;
constexpr double kMaxSpeed = 10.0;

bool Digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// A decimal number as from_chars reads one: an optional minus, digits with
// or without a point, an optional exponent. No plus, no spaces, no hex.
bool DecimalNumber(std::string_view text) {
  std::size_t i = text.starts_with('-') ? 1 : 0;
  std::size_t digits = 0;
  for (; i < text.size() && Digit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && Digit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) return false;
    while (i < text.size() && Digit(text[i])) ++i;
  }
  return i == text.size();
}

double DecimalValue(std::string_view text) {
  double value = 0.0;
#if defined(__cpp_lib_to_chars)
  std::from_chars(text.data(), text.data() + text.size(), value);
#else
  // The browser build's C++ library cannot read a double this way; its C
  // library reads "." as the point whatever the locale, so strtod agrees.
  value = std::strtod(std::string(text).c_str(), nullptr);
#endif
  return value;
}

}  // namespace

std::optional<double> ReadSpeed(std::string_view text) {
  if (!DecimalNumber(text)) return std::nullopt;
  const double value = DecimalValue(text);
  if (!std::isfinite(value) || value < kMinSpeed || value > kMaxSpeed) return std::nullopt;
  return value;
}

std::string WholeNumberTakes(std::uint32_t max) { return "a whole number from 0 to " + std::to_string(max); }
