#include "bench/bench_options.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

bool ParseSeconds(const char* text, double& seconds) {
  // strtod would skip leading blanks and take signs; a duration is written plainly.
  if (!std::isdigit(static_cast<unsigned char>(text[0])) && text[0] != '.') return false;
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  if (end == text || *end != '\0' || !(value > 0) || value > kMaxEndToEndSeconds) return false;
  seconds = value;
  return true;
}

bool TakeSecondsOption(int& argc, char** argv, double& seconds) {
  const std::size_t prefix = std::strlen(kSecondsOption);
  int kept = 1;
  bool ok = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kSecondsOption, prefix) == 0) {
      ok = ParseSeconds(argv[i] + prefix, seconds) && ok;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  argv[argc] = nullptr;
  return ok;
}
