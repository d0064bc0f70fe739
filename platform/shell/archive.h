#pragma once
// The stream a document serializes itself through: open on the document's
// file, for storing or for loading.

#include <cstddef>

class QIODevice;

class CArchive {
 public:
  enum Mode { store = 0, load = 1 };

  CArchive(QIODevice* file, Mode mode) : m_file(file), m_mode(mode) {}

  bool IsStoring() const { return m_mode == store; }
  bool IsLoading() const { return m_mode == load; }
  // False when the bytes could not all be written.
  bool Write(const void* data, std::size_t size);
  // The number of bytes read, up to size.
  std::size_t Read(void* data, std::size_t size);

 private:
  QIODevice* m_file;
  Mode m_mode;
};
