#pragma once
// The saver's one window: the render window, standing alone. In a window of
// its own q and Escape close it and a click builds a new city; over the
// whole screen any key or a click closes it; inside someone else's window
// it takes no input: keys and clicks are that program's.

#include "platform/window/saver_window.h"
#include "render/render_wnd.h"

class CSaverWnd : public CRenderWnd {
 public:
  BOOL Create(const SaverPlacement& placement);

 protected:
  void OnKeyDown(UINT key, UINT repeats, UINT flags);
  void OnLButtonDown(UINT flags, Point point);

  DECLARE_MESSAGE_MAP()

 private:
  SaverPlacement::Kind m_kind = SaverPlacement::Kind::ownWindow;
};
