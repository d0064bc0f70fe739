#pragma once
// The view: hosts the render window over its whole client area and makes
// itself known to the application's loop as the one live view.

#include "platform/shell/view.h"
#include "render/render_wnd.h"

// Control id of the render window inside the view.
inline constexpr UINT kRenderWindowId = 47;

class CKorTalwindView : public CView {
  DECLARE_DYNCREATE(CKorTalwindView)

 public:
  CKorTalwindView();
  ~CKorTalwindView() override;

  void OnDraw(CDC* dc) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // One animation step, when the render window exists.
  virtual void Step();
  CRenderWnd& RenderWindow() { return m_wndRender; }

 protected:
  int OnCreate(LPCREATESTRUCT cs);
  void OnSize(UINT type, int cx, int cy);
  BOOL OnEraseBkgnd(CDC* dc);

  DECLARE_MESSAGE_MAP()

 private:
  CRenderWnd m_wndRender;
};
