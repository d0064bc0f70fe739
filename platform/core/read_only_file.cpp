#include "platform/core/read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/core/file_problem.h"

ReadOnlyFile::~ReadOnlyFile() {
  if (m_fd >= 0) ::close(m_fd);
}

bool ReadOnlyFile::Fail(std::string problem) {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  m_problem = std::move(problem);
  return false;
}

bool ReadOnlyFile::Open(const std::string& path) {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  m_problem.clear();
  if (path.empty()) return Fail(FileProblemText(ENOENT, FileAccess::read));
  // Look before opening: opening a device or a pipe can have effects of its own.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return Fail(FileProblemText(errno, FileAccess::read));
  if (std::string problem = FileTypeProblemText(info.st_mode); !problem.empty()) return Fail(problem);
  // Non-blocking, and the type checked again on what was opened: the name may
  // have been replaced by a pipe in between.
  m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (m_fd < 0) return Fail(FileProblemText(errno, FileAccess::read));
  if (::fstat(m_fd, &info) != 0) return Fail(FileProblemText(errno, FileAccess::read));
  if (std::string problem = FileTypeProblemText(info.st_mode); !problem.empty()) return Fail(problem);
  return true;
}
