#pragma once
// A view: the child window of a frame that shows a document.

#include "platform/shell/doc_template.h"
#include "platform/window/wnd.h"

class CDocument;

class CView : public CWnd, public CDocumentViewLink {
  DECLARE_DYNAMIC(CView)

 public:
  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }
  // The top-level window around the view (its frame), or null.
  CWnd* GetParentFrame() const;
  virtual void OnDraw(CDC* dc) = 0;
  virtual void OnInitialUpdate();

 protected:
  CView() = default;
  int OnCreate(LPCREATESTRUCT cs);
  void OnPaint();
  // The framework made the view; the framework deletes it.
  void PostNcDestroy() override { delete this; }

  DECLARE_MESSAGE_MAP()

 public:
  BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
  void OnDocumentTitleChanged() override;
  void OnDocumentClosing() override;
  void OnDocumentDeleted() override { m_pDocument = nullptr; }

 private:
  CDocument* m_pDocument = nullptr;
};
