#include "app/kor_talwind_view.h"

#include "platform/window/window_handle.h"
#include "scene/scene_store.h"

IMPLEMENT_DYNCREATE(CKorTalwindView, CView)

BEGIN_MESSAGE_MAP(CKorTalwindView, CView)
  ON_WM_SIZE()
  ON_WM_CREATE()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CKorTalwindView::CKorTalwindView() {
  Scene().activeView = this;  // before any window exists: Step guards against that
}

CKorTalwindView::~CKorTalwindView() { Scene().activeView = nullptr; }

void CKorTalwindView::OnDraw(CDC*) {}  // the render window draws everything

BOOL CKorTalwindView::PreCreateWindow(CREATESTRUCT& cs) { return CView::PreCreateWindow(cs); }

void CKorTalwindView::Step() {
  if (IsWindow(m_wndRender.m_hWnd)) m_wndRender.StepFrame();
}

int CKorTalwindView::OnCreate(LPCREATESTRUCT cs) {
  if (CView::OnCreate(cs) == -1) return -1;
  // A render window that fails leaves the view blank; the step and the resize skip it.
  m_wndRender.Create(nullptr, "Talwind", WS_CHILD | WS_VISIBLE, Rect{0, 0, 0, 0}, this, kRenderWindowId);
  return 0;
}

void CKorTalwindView::OnSize(UINT type, int cx, int cy) {
  CView::OnSize(type, cx, cy);
  // A minimised frame gives 0 x 0: keep the picture at its last size.
  if (cx > 0 && cy > 0 && IsWindow(m_wndRender.m_hWnd)) m_wndRender.MoveWindow(0, 0, cx, cy, TRUE);
}

BOOL CKorTalwindView::OnEraseBkgnd(CDC*) { return TRUE; }
