#include "platform/shell/doc_string_field.h"

std::string_view DocStringField(std::string_view templateString, DocStringIndex index) {
  std::string_view rest = templateString;
  for (int i = 0; i < static_cast<int>(index); ++i) {
    const std::size_t newline = rest.find('\n');
    if (newline == std::string_view::npos) return {};
    rest.remove_prefix(newline + 1);
  }
  return rest.substr(0, rest.find('\n'));
}
