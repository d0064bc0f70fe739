#pragma once
// The main frame: the view, a toolbar that docks on any side, and a status
// bar with the message pane and the CAP, NUM and SCRL indicators.

#include "platform/shell/frame_wnd.h"
#include "platform/window/status_bar.h"
#include "platform/window/tool_bar.h"

class CMainFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CMainFrame)

 public:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

 protected:
  CMainFrame() = default;
  int OnCreate(LPCREATESTRUCT cs);

  CStatusBar m_wndStatusBar;
  CToolBar m_wndToolBar;

  DECLARE_MESSAGE_MAP()
};
