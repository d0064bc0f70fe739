#include "platform/window/control_bar.h"

#include "platform/window/cmd_ui.h"
#include "platform/window/wnd_state.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
  ON_WM_IDLEUPDATECMDUI()
END_MESSAGE_MAP()

bool CControlBar::IsVisibleStyle() const {
  const QWidget* widget = WidgetOf(this);
  return widget != nullptr && !widget->isHidden();
}

CWnd* CControlBar::GetOwnerFrame() const { return GetTopLevelParent(); }

void CControlBar::OnIdleUpdateCmdUI() {
  if (CWnd* frame = GetOwnerFrame()) OnUpdateCmdUI(frame, TRUE);
}
