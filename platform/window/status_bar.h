#pragma once
// A status bar: a message pane that reads "Ready" (or the prompt of what is
// highlighted) and indicator panes named by string ids, each showing its
// text while its update handler enables it.

#include <string>
#include <vector>

#include "platform/core/standard_ids.h"
#include "platform/window/control_bar.h"

class CStatusBar : public CControlBar {
  DECLARE_DYNAMIC(CStatusBar)

 public:
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
  // One pane per id: ID_SEPARATOR is the message pane, any other id an
  // indicator whose text is that string. False when a string is missing.
  BOOL SetIndicators(const UINT* ids, int count);

  int GetCount() const { return int(m_panes.size()); }
  void SetPaneText(int index, const std::string& text);

  // Indicators without an update handler keep showing their text.
  void OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler) override;
  WidgetKind GetWidgetKind() const override { return WidgetKind::StatusBar; }

 private:
  std::vector<UINT> m_panes;
};
