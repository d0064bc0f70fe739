#include "platform/core/file_problem.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

std::string FileProblemText(int error, FileAccess access) {
  const bool reading = access == FileAccess::read;
  switch (error) {
    case ENOENT: return reading ? "The file does not exist." : "The folder does not exist.";
    case ENOTDIR: return "A part of the path is not a folder.";
    case EACCES:
    case EPERM: return reading ? "You do not have permission to read it." : "You do not have permission to write there.";
    case EROFS: return "The disk is read-only.";
    case ENOSPC:
    case EDQUOT: return "The disk is full.";
    case EISDIR: return "It is a folder, not a file.";
    case ENAMETOOLONG: return "The name is too long.";
    case ELOOP: return "The path has too many symbolic links.";
    case EIO: return "The disk could not be read or written.";
    default: return std::string(std::strerror(error)) + ".";
  }
}

std::string FileTypeProblemText(unsigned mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "It is a folder, not a file.";
  if (S_ISFIFO(mode)) return "It is a pipe, not a file.";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "It is a device, not a file.";
  if (S_ISSOCK(mode)) return "It is a socket, not a file.";
  return "It is not a regular file.";
}
