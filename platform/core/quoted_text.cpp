#include "platform/core/quoted_text.h"

namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7f;

}  // namespace

std::string Quoted(std::string_view text) {
  std::string shown = "'";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    shown += byte < kFirstPrintable || byte == kDelete ? '?' : c;
  }
  return shown + "'";
}
