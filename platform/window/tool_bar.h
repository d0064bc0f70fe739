#pragma once
// A toolbar: a row of command buttons loaded from a toolbar resource and
// its bitmap. Pressing a button sends its command to the bar's parent; a
// button whose command nothing handles is disabled.

#include <vector>

#include "platform/core/standard_ids.h"
#include "platform/window/control_bar.h"

class CToolBar : public CControlBar {
  DECLARE_DYNAMIC(CToolBar)

 public:
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);
  // Buttons and images of toolbar resource id and bitmap id.
  BOOL LoadToolBar(UINT id);
  // Buttons without images; ID_SEPARATOR makes a gap.
  BOOL SetButtons(const UINT* ids, int count);

  int GetCount() const { return int(m_buttons.size()); }
  DWORD GetBarStyle() const { return m_barStyle; }
  // CBRS_TOOLTIPS shows tool tips, CBRS_FLYBY the prompt in the status bar.
  void SetBarStyle(DWORD style);
  void EnableDocking(DWORD style) { m_dockingStyle = style & CBRS_ALIGN_ANY; }
  DWORD GetDockingStyle() const { return m_dockingStyle; }

  void OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler) override;
  WidgetKind GetWidgetKind() const override { return WidgetKind::ToolBar; }

 private:
  std::vector<UINT> m_buttons;
  DWORD m_barStyle = 0;
  DWORD m_dockingStyle = 0;
};
