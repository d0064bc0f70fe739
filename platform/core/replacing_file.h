#pragma once
// Writes a file through a temporary file beside it, renamed over the target
// only once everything is on the disk: a failed save leaves the old file as
// it was and nothing half-written behind.

#include <string>

class ReplacingFile {
 public:
  ReplacingFile() = default;
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;
  // Removes the temporary file unless Commit succeeded.
  ~ReplacingFile();

  // Creates the temporary file for target. False with Problem() set when
  // target cannot be written (a folder, a device, read-only, missing folder).
  bool Open(const std::string& target);
  // Where the bytes go until Commit.
  int Descriptor() const { return m_fd; }
  // The same file by name, for writers that open it themselves (and may read
  // it back before the end); empty when not open.
  const std::string& TemporaryPath() const { return m_temp; }
  // Syncs, closes and renames over the target. False with Problem() set; the
  // target is then untouched and the temporary file gone.
  bool Commit();
  // Records a write error seen by whoever wrote through Descriptor().
  void SetWriteError(int error);
  const std::string& Problem() const { return m_problem; }

 private:
  bool Fail(int error);
  bool Fail(std::string problem);
  void Discard();

  std::string m_target;  // symbolic links resolved, so a link stays a link
  std::string m_temp;
  int m_fd = -1;
  int m_writeError = 0;
  std::string m_problem;
};
