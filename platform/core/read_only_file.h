#pragma once
// A document file opened for reading: only a regular file is accepted, and
// opening never waits (a pipe with no writer, a terminal) and reads nothing.

#include <string>

class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  ~ReadOnlyFile();

  // False with Problem() set when path is not a readable regular file.
  bool Open(const std::string& path);
  int Descriptor() const { return m_fd; }
  const std::string& Problem() const { return m_problem; }

 private:
  bool Fail(std::string problem);

  int m_fd = -1;
  std::string m_problem;
};
