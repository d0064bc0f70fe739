#pragma once
// Why a file could not be read or written, in words a user understands.

#include <string>

enum class FileAccess { read, write };

// The reason for a failed system call's error number.
std::string FileProblemText(int error, FileAccess access);
// The reason a path of this type (st_mode) cannot be a document, or empty
// for a regular file.
std::string FileTypeProblemText(unsigned mode);
