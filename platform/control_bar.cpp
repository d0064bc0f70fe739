#include "platform/control_bar.h"

#include "platform/cmd_ui.h"
#include "platform/frame_wnd.h"
#include "platform/wnd_state.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
  ON_WM_IDLEUPDATECMDUI()
END_MESSAGE_MAP()

bool CControlBar::IsVisibleStyle() const {
  const QWidget* widget = WidgetOf(this);
  return widget != nullptr && !widget->isHidden();
}

CFrameWnd* CControlBar::GetOwnerFrame() const {
  for (CWnd* wnd = GetParent(); wnd != nullptr; wnd = wnd->GetParent()) {
    if (wnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(wnd);
  }
  return nullptr;
}

void CControlBar::OnIdleUpdateCmdUI() {
  if (CFrameWnd* frame = GetOwnerFrame()) OnUpdateCmdUI(frame, TRUE);
}
