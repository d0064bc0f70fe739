#pragma once
// The single-document template: one document at a time, in one frame with
// one view, all made from run-time class descriptions. A new or opened
// document reuses the frame and view of the one before.

#include <string>

#include "platform/shell/doc_string_field.h"
#include "platform/shell/doc_template.h"

class CDocument;
class CFrameWnd;

class CSingleDocTemplate : public CDocTemplate {
 public:
  CSingleDocTemplate(UINT resourceId, const CRuntimeClass* docClass, const CRuntimeClass* frameClass,
                     const CRuntimeClass* viewClass);
  ~CSingleDocTemplate() override;

  // path null: a new, empty document. Null when that failed; the previous
  // document then stays as it was.
  CDocument* OpenDocumentFile(const char* path, BOOL makeVisible = TRUE);
  CDocument* GetDocument() const { return m_pOnlyDoc; }
  void RemoveDocument(CDocument* doc) override;
  // A field of the template string (string resourceId).
  std::string GetDocString(DocStringIndex index) const;

 private:
  CDocument* CreateNewDocument();
  CFrameWnd* CreateNewFrame(CDocument* doc);
  void SetDefaultTitle(CDocument* doc);

  UINT m_nIDResource;
  const CRuntimeClass* m_pDocClass;
  const CRuntimeClass* m_pFrameClass;
  const CRuntimeClass* m_pViewClass;
  CDocument* m_pOnlyDoc = nullptr;
};
