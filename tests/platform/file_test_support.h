#pragma once
// Real files for document tests: a scratch folder per test, and the places
// that refuse writes (a read-only mount, a full disk), which need root and
// are skipped without it.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace kt_test {

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/tmp/kt-doc-test-XXXXXX";
    if (::mkdtemp(pattern) != nullptr) m_path = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return m_path; }
  std::string operator/(const std::string& name) const { return m_path + "/" + name; }
  // Every name in the folder (hidden ones too): a save must leave no
  // temporary file behind.
  std::set<std::string> Names(const std::string& sub = {}) const {
    std::set<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(sub.empty() ? m_path : m_path + "/" + sub, ignored)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::string m_path;
};

// A mount inside a scratch folder, taken down again at the end.
class ScratchMount {
 public:
  ~ScratchMount() {
    if (m_mounted) ::umount2(m_where.c_str(), MNT_DETACH);
  }
  // A read-only view of folder source at where.
  bool ReadOnlyBind(const std::string& source, const std::string& where) {
    m_where = where;
    if (::mount(source.c_str(), where.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
    m_mounted = true;
    return ::mount(nullptr, where.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
  }
  // A memory file system of a few pages at where.
  bool SmallDisk(const std::string& where, const char* size = "size=64k") {
    m_where = where;
    m_mounted = ::mount("tmpfs", where.c_str(), "tmpfs", 0, size) == 0;
    return m_mounted;
  }

 private:
  std::string m_where;
  bool m_mounted = false;
};

// Fills the file system holding folder until it has no room left.
inline void FillDisk(const std::string& folder) {
  std::ofstream filler(folder + "/filler", std::ios::binary);
  const std::string block(4096, 'x');
  for (int i = 0; i < 100000 && filler.write(block.data(), block.size()); ++i) {
  }
}

}  // namespace kt_test
