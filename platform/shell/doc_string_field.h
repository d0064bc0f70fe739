#pragma once
// Fields of a document template string: seven texts separated by newlines.

#include <string_view>

enum class DocStringIndex {
  windowTitle,     // main window title
  docName,         // default document name
  fileNewName,     // name offered by File New
  filterName,      // file-dialog filter name
  filterExt,       // file extension
  regFileTypeId,   // registry file-type id
  regFileTypeName, // file-type description
};

inline constexpr int kDocStringFieldCount = 7;

// The field at index; empty when the string has fewer fields.
std::string_view DocStringField(std::string_view templateString, DocStringIndex index);
