#include "platform/shell/document.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>

#include "platform/core/read_only_file.h"
#include "platform/core/replacing_file.h"
#include "platform/core/standard_ids.h"
#include "platform/shell/archive.h"
#include "platform/window/file_dialog.h"
#include "platform/window/message_box.h"

namespace {

void ReportFileError(const char* action, const std::string& path, const std::string& reason) {
  const std::string text = std::string("Cannot ") + action + " \"" + path + "\".\n" + reason;
  AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

std::string BaseName(const std::string& path) {
  std::string trimmed = path;
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  const std::size_t slash = trimmed.rfind('/');
  return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

// A relative name stays valid however the working folder changes later.
std::string AbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  char cwd[PATH_MAX];
  if (::getcwd(cwd, sizeof cwd) == nullptr) return path;
  return std::string(cwd) + "/" + path;
}

// Two names of one existing file (the same name, a link, a relative path).
bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

}  // namespace

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
  ON_COMMAND(ID_FILE_SAVE, OnFileSave)
  ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::~CDocument() {
  const std::vector<CDocumentViewLink*> views = m_views;
  for (CDocumentViewLink* view : views) view->OnDocumentDeleted();
  if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(const char* path) {
  const std::string name = path ? path : "";
  ReadOnlyFile source;
  if (!source.Open(name)) {
    ReportFileError("open", name, source.Problem());
    return FALSE;
  }
  QFile file;
  if (!file.open(source.Descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
    ReportFileError("open", name, file.errorString().toStdString());
    return FALSE;
  }
  DeleteContents();
  CArchive archive(&file, CArchive::load);
  Serialize(archive);
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* path) {
  const std::string name = path ? path : "";
  ReplacingFile target;
  if (!target.Open(name)) {
    ReportFileError("save", name, target.Problem());
    return FALSE;
  }
  {
    // Unbuffered, so a failed write leaves its own error number behind.
    QFile file;
    if (!file.open(target.Descriptor(), QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::DontCloseHandle)) {
      target.SetWriteError(EBADF);
    } else {
      errno = 0;
      CArchive archive(&file, CArchive::store);
      Serialize(archive);
      if (file.error() != QFileDevice::NoError) target.SetWriteError(errno != 0 ? errno : EIO);
    }
  }
  if (!target.Commit()) {
    ReportFileError("save", name, target.Problem());
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::DoSave(const char* path, BOOL replace) {
  std::string target = path ? path : "";
  if (target.empty()) {
    const std::optional<std::string> chosen =
        PromptFileName(FileDialogKind::saveAs, m_strPathName.empty() ? m_strTitle : m_strPathName);
    if (!chosen || chosen->empty()) return FALSE;
    target = *chosen;
  }
  // An unchanged document that came from a file is on the disk as it is:
  // writing this document's nothing over that file would lose its content,
  // whether by Save or by Save As onto the same file.
  const bool alreadyThere = !IsModified() && !m_strPathName.empty() && SameFile(target, m_strPathName);
  if (!alreadyThere && !OnSaveDocument(target.c_str())) return FALSE;
  if (replace) SetPathName(target);
  return TRUE;
}

void CDocument::OnFileSave() { DoSave(m_strPathName.c_str(), TRUE); }

void CDocument::OnFileSaveAs() { DoSave(nullptr, TRUE); }

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  const std::string text = "Save changes to " + (m_strPathName.empty() ? m_strTitle : m_strPathName) + "?";
  switch (AfxMessageBox(text.c_str(), MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL: return FALSE;
    case IDYES: return DoSave(m_strPathName.c_str(), TRUE);
    default: return TRUE;
  }
}

void CDocument::OnCloseDocument() {
  // Destroying a frame destroys its view, which leaves this document.
  while (!m_views.empty()) m_views.front()->OnDocumentClosing();
  DeleteContents();
  delete this;
}

void CDocument::SetTitle(const std::string& title) {
  m_strTitle = title;
  UpdateFrameTitles();
}

void CDocument::SetPathName(const std::string& path) {
  m_strPathName = AbsolutePath(path);
  SetTitle(BaseName(m_strPathName));
}

void CDocument::AddView(CDocumentViewLink* view) {
  if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) m_views.push_back(view);
}

void CDocument::RemoveView(CDocumentViewLink* view) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CDocument::UpdateFrameTitles() {
  for (CDocumentViewLink* view : m_views) view->OnDocumentTitleChanged();
}
