#pragma once
// A view: the child window of a frame that shows a document.

#include "platform/wnd.h"

class CDocument;
class CFrameWnd;

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)

 public:
  ~CView() override;

  CDocument* GetDocument() const { return m_pDocument; }
  CFrameWnd* GetParentFrame() const;
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

 private:
  friend class CDocument;
  CDocument* m_pDocument = nullptr;
};
