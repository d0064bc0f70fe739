#include "platform/shell/view.h"

#include "platform/shell/create_context.h"
#include "platform/shell/document.h"
#include "platform/window/paint_dc.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
END_MESSAGE_MAP()

CView::~CView() {
  if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

CWnd* CView::GetParentFrame() const { return GetTopLevelParent(); }

void CView::OnDocumentTitleChanged() {
  if (CWnd* frame = GetParentFrame()) frame->SendMessage(WM_UPDATEFRAMETITLE);
}

void CView::OnDocumentClosing() {
  // Destroying the frame destroys this view, which leaves the document.
  if (CWnd* frame = GetParentFrame(); frame != nullptr && frame->m_hWnd != nullptr) {
    frame->DestroyWindow();
  } else if (m_pDocument != nullptr) {
    m_pDocument->RemoveView(this);
    m_pDocument = nullptr;
  }
}

void CView::OnInitialUpdate() { Invalidate(TRUE); }

int CView::OnCreate(LPCREATESTRUCT cs) {
  if (CWnd::OnCreate(cs) == -1) return -1;
  auto* context = static_cast<CCreateContext*>(cs->lpCreateParams);
  if (context != nullptr && context->m_pCurrentDoc != nullptr) {
    m_pDocument = context->m_pCurrentDoc;
    m_pDocument->AddView(this);
  }
  return 0;
}

void CView::OnPaint() {
  CPaintDC dc(this);
  OnDraw(&dc);
}

BOOL CView::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
  if (CWnd::OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
  return m_pDocument != nullptr && m_pDocument->OnCmdMsg(id, code, extra, handlerInfo);
}
