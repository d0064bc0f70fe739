#pragma once
// A status bar: a message pane that reads "Ready" (or the prompt of what is
// highlighted) and indicator panes named by string ids.

#include <string>
#include <vector>

#include "platform/wnd.h"
#include "res/resource.h"

class CStatusBar : public CWnd {
 public:
  BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
  // One pane per id: ID_SEPARATOR is the message pane, any other id an
  // indicator whose text is that string. False when a string is missing.
  BOOL SetIndicators(const UINT* ids, int count);

  int GetCount() const { return int(m_panes.size()); }
  UINT GetItemID(int index) const { return m_panes.at(std::size_t(index)); }
  std::string GetPaneText(int index) const;
  void SetPaneText(int index, const std::string& text);

  WidgetKind GetWidgetKind() const override { return WidgetKind::StatusBar; }

 private:
  std::vector<UINT> m_panes;
};
