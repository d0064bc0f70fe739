#include "render/render_wnd.h"

#include "pipeline/frame_geometry.h"
#include "platform/core/tick_count.h"
#include "platform/window/paint_dc.h"
#include "render/back_buffer.h"
#include "render/frame_paint.h"
#include "scene/city_generator.h"
#include "scene/crt_random.h"

BEGIN_MESSAGE_MAP(CRenderWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_SIZE()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CRenderWnd::StepFrame() { StepFrameAt(GetTickCount()); }

void CRenderWnd::StepFrameAt(std::uint32_t tick) {
  Rect client;
  GetClientRect(&client);
  ComputeFrameGeometry(tick, client);
  InvalidateRect(nullptr, TRUE);
}

BOOL CRenderWnd::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_DEVICEPIXELS;
  return CWnd::PreCreateWindow(cs);
}

int CRenderWnd::OnCreate(LPCREATESTRUCT cs) {
  if (CWnd::OnCreate(cs) == -1) return -1;
  GenerateCity();  // unseeded: the same first city on every run
  return 0;
}

void CRenderWnd::OnDestroy() {
  ReleaseBackBuffer();
  CWnd::OnDestroy();
}

void CRenderWnd::OnSize(UINT type, int cx, int cy) {
  // The back buffer follows the size at the next paint.
  CWnd::OnSize(type, cx, cy);
}

BOOL CRenderWnd::OnEraseBkgnd(CDC*) {
  return TRUE;  // the paint covers everything: erasing would only flicker
}

void CRenderWnd::OnPaint() {
  CPaintDC dc(this);
  Rect client;
  GetClientRect(&client);
  PaintFrame(dc, client, m_statisticsLine);
}

void CRenderWnd::OnLButtonDown(UINT flags, Point point) {
  crt::srand(GetTickCount());
  GenerateCity();  // shown from the next step on
  CWnd::OnLButtonDown(flags, point);
}
