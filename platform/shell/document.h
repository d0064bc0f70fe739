#pragma once
// A document: its title, its file and its views. Files are read and written
// through Serialize; a document that holds nothing writes an empty file.

#include <string>
#include <vector>

#include "platform/shell/doc_template.h"

class CArchive;

class CDocument : public CCmdTarget {
  DECLARE_DYNAMIC(CDocument)

 public:
  CDocument() = default;
  ~CDocument() override;

  virtual BOOL OnNewDocument();
  // Opens a readable regular file and serializes from it; a clear message
  // box and FALSE, the document unchanged, when it cannot be opened.
  virtual BOOL OnOpenDocument(const char* path);
  // Writes through a temporary file renamed over the target, so a failed
  // save never leaves a damaged file.
  virtual BOOL OnSaveDocument(const char* path);
  virtual void OnCloseDocument();
  virtual void DeleteContents() {}
  virtual void Serialize(CArchive&) {}
  // Whether closing may go ahead (asks to save a modified document).
  virtual BOOL SaveModified();

  const std::string& GetTitle() const { return m_strTitle; }
  virtual void SetTitle(const std::string& title);
  const std::string& GetPathName() const { return m_strPathName; }
  virtual void SetPathName(const std::string& path);
  BOOL IsModified() const { return m_bModified; }
  void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }

  // Views add themselves as they are made and leave as they go.
  void AddView(CDocumentViewLink* view);
  void RemoveView(CDocumentViewLink* view);
  const std::vector<CDocumentViewLink*>& GetViews() const { return m_views; }
  void UpdateFrameTitles();

  // Saves to path, or to a name asked for when path is empty; with replace
  // the document takes the new name.
  BOOL DoSave(const char* path, BOOL replace);

  CDocTemplate* m_pDocTemplate = nullptr;

 protected:
  void OnFileSave();
  void OnFileSaveAs();

  DECLARE_MESSAGE_MAP()

 private:
  std::string m_strTitle;
  std::string m_strPathName;
  BOOL m_bModified = FALSE;
  std::vector<CDocumentViewLink*> m_views;
};
