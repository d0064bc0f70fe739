#include "saver/saver_wnd.h"

namespace {
constexpr const char* kTitle = "korTalwind";
constexpr UINT kQuitKey = 'Q';
}  // namespace

BEGIN_MESSAGE_MAP(CSaverWnd, CRenderWnd)
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

BOOL CSaverWnd::Create(const SaverPlacement& placement) {
  m_kind = placement.kind;
  return CreateSaverWindow(*this, placement, kTitle);
}

void CSaverWnd::OnKeyDown(UINT key, UINT repeats, UINT flags) {
  const bool ends = m_kind == SaverPlacement::Kind::fullScreen ||
                    (m_kind == SaverPlacement::Kind::ownWindow && (key == kQuitKey || key == VK_ESCAPE));
  if (ends) {
    SendMessage(WM_CLOSE);
  } else {
    CRenderWnd::OnKeyDown(key, repeats, flags);
  }
}

void CSaverWnd::OnLButtonDown(UINT flags, Point point) {
  switch (m_kind) {
    case SaverPlacement::Kind::ownWindow:
      CRenderWnd::OnLButtonDown(flags, point);  // a new city, as in the program
      break;
    case SaverPlacement::Kind::fullScreen:
      SendMessage(WM_CLOSE);
      break;
    case SaverPlacement::Kind::screenSaverWindow:
    case SaverPlacement::Kind::windowId:
      break;  // the screen saver that made the window owns its input
  }
}
