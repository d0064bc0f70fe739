#include "res/program_resources.h"
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

const VersionBlock& ProgramVersion() { return kVersionBlock; }
