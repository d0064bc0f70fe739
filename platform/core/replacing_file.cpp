#include "platform/core/replacing_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/core/file_problem.h"

namespace {

// Keeps the temporary name well under the file system's name limit.
constexpr std::size_t kTempStemBytes = 64;
constexpr mode_t kNewFileMode = 0666;  // less the umask, as for any new file

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The target a save writes to: through a symbolic link to its file.
std::string Resolve(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* real = ::realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;  // a dangling link is replaced like a file
  std::string resolved(real);
  std::free(real);
  return resolved;
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace

ReplacingFile::~ReplacingFile() { Discard(); }

void ReplacingFile::Discard() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  if (!m_temp.empty()) ::unlink(m_temp.c_str());
  m_temp.clear();
}

bool ReplacingFile::Fail(int error) { return Fail(FileProblemText(error, FileAccess::write)); }

bool ReplacingFile::Fail(std::string problem) {
  Discard();
  m_problem = std::move(problem);
  return false;
}

void ReplacingFile::SetWriteError(int error) {
  if (m_writeError == 0) m_writeError = error;
}

bool ReplacingFile::Open(const std::string& target) {
  Discard();
  m_problem.clear();
  m_writeError = 0;
  if (target.empty() || target.back() == '/') return Fail(FileTypeProblemText(S_IFDIR));
  m_target = Resolve(target);

  struct stat existing {};
  const bool exists = ::stat(m_target.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return Fail(errno);
  if (exists) {
    if (std::string problem = FileTypeProblemText(existing.st_mode); !problem.empty()) return Fail(problem);
    // A file marked read-only is not replaced behind its owner's back.
    if (::access(m_target.c_str(), W_OK) != 0) return Fail(errno);
  }

  const std::string stem = BaseOf(m_target).substr(0, kTempStemBytes);
  std::string pattern = FolderOf(m_target) + "/." + stem + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  m_fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (m_fd < 0) return Fail(errno);
  m_temp = name.data();

  // The replacement keeps the old file's permissions and owner; a new file
  // gets the usual ones.
  const mode_t mode = exists ? (existing.st_mode & 07777) : (kNewFileMode & ~CurrentUmask());
  if (::fchmod(m_fd, mode) != 0) return Fail(errno);
  if (exists && ::geteuid() == 0) (void)::fchown(m_fd, existing.st_uid, existing.st_gid);
  return true;
}

bool ReplacingFile::Commit() {
  if (m_fd < 0) return Fail(m_problem.empty() ? FileProblemText(EBADF, FileAccess::write) : m_problem);
  if (m_writeError != 0) return Fail(m_writeError);
  if (::fsync(m_fd) != 0) return Fail(errno);
  const int fd = m_fd;
  m_fd = -1;
  if (::close(fd) != 0) return Fail(errno);
  if (::rename(m_temp.c_str(), m_target.c_str()) != 0) return Fail(errno);
  m_temp.clear();
  // The rename itself reaches the disk with the folder.
  const int folder = ::open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    (void)::fsync(folder);
    ::close(folder);
  }
  return true;
}
