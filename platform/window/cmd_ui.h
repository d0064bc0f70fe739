#pragma once
// The question "may this command run now, and is it checked?" asked of the
// command routing before a menu item, toolbar button, accelerator or status
// pane is shown or used. Update handlers (ON_UPDATE_COMMAND_UI) answer it;
// where none does, a command that nothing would handle is disabled.

#include <string>

#include "platform/core/win_types.h"

class CCmdTarget;

// Sent to the main window and its descendants when the application goes idle,
// so each can bring its menus, buttons and panes up to date.
inline constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;

// void OnIdleUpdateCmdUI()
#define ON_WM_IDLEUPDATECMDUI()                                              \
  {WM_IDLEUPDATECMDUI, 0, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { \
     static_cast<ThisClass*>(t)->OnIdleUpdateCmdUI();                         \
     return 0;                                                                \
   }},

class CCmdUI {
 public:
  explicit CCmdUI(UINT id) : m_nID(id) {}

  UINT m_nID;

  // Called by update handlers.
  void Enable(BOOL on = TRUE);
  void SetCheck(int check = 1);  // 0 clear, 1 checked

  // Asks target's routing for an update handler. Without one, and with
  // disableIfNoHandler, the item is enabled exactly when some target along
  // the routing handles the command. True when an update handler answered.
  BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

  // The answer, for whoever shows the item.
  bool IsEnabled() const { return m_enabled; }
  bool EnableChanged() const { return m_enableChanged; }
  int GetCheck() const { return m_check; }
  bool CheckChanged() const { return m_checkChanged; }

 private:
  bool m_enabled = true;
  bool m_enableChanged = false;
  int m_check = 0;
  bool m_checkChanged = false;
};

// The command-state round of the application's idle work: every window from
// `mainWnd` down gets WM_IDLEUPDATECMDUI, parents first.
void IdleUpdateCmdUI(class CWnd* mainWnd);

// Whether the command would run if chosen now, asked of `target`'s routing.
bool IsCommandEnabled(CCmdTarget* target, UINT id);
