#pragma once
// A bar along the edge of a frame (toolbar, status bar). When the
// application goes idle it brings its buttons or panes up to date with the
// command state of the frame it belongs to.

#include "platform/window/wnd.h"

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)

 public:
  // Asks target's command routing for the state of each button or pane.
  virtual void OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler) = 0;
  // Whether the bar is meant to show, whether or not its frame is on screen yet.
  bool IsVisibleStyle() const;

 protected:
  // The frame the bar's commands go to (its top-level ancestor), or null.
  CWnd* GetOwnerFrame() const;
  void OnIdleUpdateCmdUI();

  DECLARE_MESSAGE_MAP()
};
