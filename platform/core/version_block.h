#pragma once
// The version-block format: numeric versions and the named strings of one
// language.

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
  unsigned language = 0;  // 0x0409 for US English
  unsigned codePage = 0;  // 1200 for Unicode
  std::span<const VersionString> strings;
};

// The value stored under key ("ProductName", ...), or nullptr when absent.
const char* FindVersionString(const VersionBlock& block, const char* key);
