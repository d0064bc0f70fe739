#pragma once
// The program's version block: numeric versions and the named strings of
// its one language (US English, Unicode code page).

#include <array>
#include <span>

struct VersionString {
  const char* key = nullptr;
  const char* value = nullptr;
};

struct VersionBlock {
  std::array<unsigned, 4> fileVersion{};
  std::array<unsigned, 4> productVersion{};
  const char* versionText = nullptr;  // dotted, as --version prints it
  unsigned language = 0;  // 0x0409, US English
  unsigned codePage = 0;  // 1200, Unicode
  std::span<const VersionString> strings;
};

const VersionBlock& GetVersionBlock();

// The value stored under key ("ProductName", ...), or nullptr when absent.
const char* FindVersionString(const char* key);
