#include "res/version_block.h"

#include <cstring>

#include "res/version_info.h"

namespace {

constexpr unsigned kUsEnglish = 0x0409;
constexpr unsigned kUnicodeCodePage = 1200;

constexpr VersionString kStrings[] = {
    {"CompanyName", ""},
    {"FileDescription", kFileDescription},
    {"FileVersion", kVersionCommaText},
    {"InternalName", kInternalName},
    {"LegalCopyright", kCopyrightLine},
    {"LegalTrademarks", ""},
    {"OriginalFilename", kOriginalFilename},
    {"ProductName", kProductName},
    {"ProductVersion", kVersionCommaText},
};

constexpr VersionBlock kVersionBlock{
    .fileVersion = kVersionParts,
    .productVersion = kVersionParts,
    .versionText = kVersionText,
    .language = kUsEnglish,
    .codePage = kUnicodeCodePage,
    .strings = kStrings,
};

}  // namespace

const VersionBlock& GetVersionBlock() { return kVersionBlock; }

const char* FindVersionString(const char* key) {
  if (key == nullptr) return nullptr;
  for (const VersionString& entry : kStrings) {
    if (std::strcmp(entry.key, key) == 0) return entry.value;
  }
  return nullptr;
}
