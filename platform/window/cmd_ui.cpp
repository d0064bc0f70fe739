#include "platform/window/cmd_ui.h"

#include <vector>

#include "platform/core/cmd_target.h"
#include "platform/window/wnd.h"
#include "platform/window/wnd_state.h"

void CCmdUI::Enable(BOOL on) {
  m_enabled = on != FALSE;
  m_enableChanged = true;
}

void CCmdUI::SetCheck(int check) {
  m_check = check;
  m_checkChanged = true;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
  if (target == nullptr) return FALSE;
  m_enableChanged = false;
  const BOOL answered = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
  if (!answered && disableIfNoHandler && !m_enableChanged) Enable(target->HasCommandHandler(m_nID));
  return answered;
}

void IdleUpdateCmdUI(CWnd* mainWnd) {
  if (mainWnd == nullptr || mainWnd->m_hWnd == nullptr) return;
  // Handles first, then messages: a window a handler destroys leaves a
  // stale handle, which FromHandle skips.
  std::vector<HWND> windows{mainWnd->m_hWnd};
  for (std::size_t i = 0; i < windows.size(); ++i) {
    if (CWnd* wnd = CWnd::FromHandle(windows[i])) {
      for (CWnd* child : GetWndState(wnd)->children) windows.push_back(child->m_hWnd);
    }
  }
  for (HWND handle : windows) {
    if (CWnd* wnd = CWnd::FromHandle(handle)) wnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  }
}

bool IsCommandEnabled(CCmdTarget* target, UINT id) {
  CCmdUI state(id);
  state.DoUpdate(target, TRUE);
  return target != nullptr && state.IsEnabled();
}
