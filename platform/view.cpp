#include "platform/view.h"

#include "platform/create_context.h"
#include "platform/document.h"
#include "platform/frame_wnd.h"
#include "platform/paint_dc.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
END_MESSAGE_MAP()

CView::~CView() {
  if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const {
  for (CWnd* wnd = GetParent(); wnd != nullptr; wnd = wnd->GetParent()) {
    if (wnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(wnd);
  }
  return nullptr;
}

void CView::OnInitialUpdate() { Invalidate(TRUE); }

int CView::OnCreate(LPCREATESTRUCT cs) {
  if (CWnd::OnCreate(cs) == -1) return -1;
  auto* context = static_cast<CCreateContext*>(cs->lpCreateParams);
  if (context != nullptr && context->m_pCurrentDoc != nullptr) context->m_pCurrentDoc->AddView(this);
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
