#include "platform/core/version_block.h"

#include <cstring>

const char* FindVersionString(const VersionBlock& block, const char* key) {
  if (key == nullptr) return nullptr;
  for (const VersionString& entry : block.strings) {
    if (std::strcmp(entry.key, key) == 0) return entry.value;
  }
  return nullptr;
}
