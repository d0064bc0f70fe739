#pragma once
// A bar along the edge of a frame (toolbar, status bar). When the
// application goes idle it brings its buttons or panes up to date with the
// command state of the frame it belongs to.

#include "platform/wnd.h"

class CFrameWnd;

class CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)

 public:
  virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) = 0;
  // Whether the bar is meant to show, whether or not its frame is on screen yet.
  bool IsVisibleStyle() const;

 protected:
  // The frame the bar's commands go to, or null.
  CFrameWnd* GetOwnerFrame() const;
  void OnIdleUpdateCmdUI();

  DECLARE_MESSAGE_MAP()
};
