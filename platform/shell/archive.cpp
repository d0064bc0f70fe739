#include "platform/shell/archive.h"

#include <QIODevice>

bool CArchive::Write(const void* data, std::size_t size) {
  if (!IsStoring() || m_file == nullptr) return false;
  return m_file->write(static_cast<const char*>(data), qint64(size)) == qint64(size);
}

std::size_t CArchive::Read(void* data, std::size_t size) {
  if (!IsLoading() || m_file == nullptr) return 0;
  const qint64 got = m_file->read(static_cast<char*>(data), qint64(size));
  return got > 0 ? std::size_t(got) : 0;
}
