#include "platform/document.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "platform/archive.h"
#include "platform/frame_wnd.h"
#include "platform/message_box.h"
#include "platform/single_doc_template.h"
#include "platform/view.h"
#include "platform/win_app.h"
#include "res/resource.h"

namespace {

QString FromPath(const char* path) { return QString::fromLocal8Bit(path); }

// Why a file cannot be opened for reading, or empty when it can.
QString OpenProblem(const QFileInfo& info) {
  if (!info.exists()) return QStringLiteral("The file does not exist.");
  if (info.isDir()) return QStringLiteral("It is a folder, not a file.");
  if (!info.isFile()) return QStringLiteral("It is not a regular file.");
  if (!info.isReadable()) return QStringLiteral("You do not have permission to read it.");
  return {};
}

void ReportFileError(const char* action, const char* path, const QString& reason) {
  const QString text = QStringLiteral("Cannot %1 \"%2\".\n%3").arg(action, FromPath(path), reason);
  AfxMessageBox(text.toStdString().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
  ON_COMMAND(ID_FILE_SAVE, OnFileSave)
  ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::~CDocument() {
  for (CView* view : m_views) view->m_pDocument = nullptr;
  if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.clear();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(const char* path) {
  const QFileInfo info(FromPath(path));
  if (const QString problem = OpenProblem(info); !problem.isEmpty()) {
    ReportFileError("open", path, problem);
    return FALSE;
  }
  QFile file(info.filePath());
  if (!file.open(QIODevice::ReadOnly)) {
    ReportFileError("open", path, file.errorString());
    return FALSE;
  }
  DeleteContents();
  CArchive archive(&file, CArchive::load);
  Serialize(archive);
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(const char* path) {
  const QFileInfo info(FromPath(path));
  if (info.exists() && !info.isFile()) {
    ReportFileError("save to", path, info.isDir() ? QStringLiteral("It is a folder, not a file.")
                                                  : QStringLiteral("It is not a regular file."));
    return FALSE;
  }
  QSaveFile file(info.filePath());
  if (!file.open(QIODevice::WriteOnly)) {
    ReportFileError("save to", path, file.errorString());
    return FALSE;
  }
  CArchive archive(&file, CArchive::store);
  Serialize(archive);
  if (!file.commit()) {
    ReportFileError("save to", path, file.errorString());
    return FALSE;
  }
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::DoSave(const char* path, BOOL replace) {
  std::string target = path ? path : "";
  if (target.empty()) {
    // Qt's dialog asks before replacing an existing file.
    const QString chosen = QFileDialog::getSaveFileName(
        nullptr, QStringLiteral("Save As"), QString::fromStdString(m_strPathName.empty() ? m_strTitle : m_strPathName),
        QStringLiteral("All Files (*)"));
    if (chosen.isEmpty()) return FALSE;
    target = chosen.toLocal8Bit().toStdString();
  }
  if (!OnSaveDocument(target.c_str())) return FALSE;
  if (replace) SetPathName(target);
  return TRUE;
}

void CDocument::OnFileSave() {
  // An unchanged document that came from a file is already on disk as it is.
  if (!m_strPathName.empty() && !IsModified()) return;
  DoSave(m_strPathName.c_str(), TRUE);
}

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
  while (!m_views.empty()) {
    CView* view = m_views.front();
    CFrameWnd* frame = view->GetParentFrame();
    if (frame != nullptr && frame->m_hWnd != nullptr) {
      frame->DestroyWindow();
    } else {
      RemoveView(view);
    }
  }
  DeleteContents();
  delete this;
}

void CDocument::SetTitle(const std::string& title) {
  m_strTitle = title;
  UpdateFrameTitles();
}

void CDocument::SetPathName(const std::string& path) {
  m_strPathName = path;
  SetTitle(QFileInfo(QString::fromLocal8Bit(path.c_str())).fileName().toStdString());
}

void CDocument::AddView(CView* view) {
  if (std::find(m_views.begin(), m_views.end(), view) != m_views.end()) return;
  m_views.push_back(view);
  view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
  if (view->m_pDocument == this) view->m_pDocument = nullptr;
}

void CDocument::UpdateFrameTitles() {
  for (CView* view : m_views) {
    if (CFrameWnd* frame = view->GetParentFrame()) frame->OnUpdateFrameTitle(TRUE);
  }
}
