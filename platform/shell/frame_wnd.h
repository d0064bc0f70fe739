#pragma once
// The main frame: a top-level window with a caption, control bars and one
// view. Commands reach the active view (and its document) first, then the
// frame, then the application. The frame shows and hides its bars (View >
// Toolbar, View > Status Bar), keeps the message pane and the lock-key
// indicators, and brings its menus up to date when the application idles.

#include <string>

#include "platform/window/wnd.h"

class CView;
class CDocument;
class CToolBar;
class CControlBar;
class CCmdUI;
struct CCreateContext;

class CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)

 public:
  CFrameWnd() = default;

  // Makes the frame: its caption from the first field of string resourceId,
  // its view from the creation context. Stays hidden until activated.
  virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* parent = nullptr, CCreateContext* context = nullptr);
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

  CView* GetActiveView() const;
  void SetActiveView(CView* view) { m_pViewActive = view; }
  CDocument* GetActiveDocument() const;
  void InitialUpdateFrame(CDocument* doc, BOOL makeVisible);
  // Shows the frame; the first time at a size that gives the view kDefaultViewSize.
  virtual void ActivateFrame(int command = -1);
  // Caption "<document title> - <frame title>".
  virtual void OnUpdateFrameTitle(BOOL addToTitle);

  void EnableDocking(DWORD dockStyle);
  void DockControlBar(CToolBar* bar);
  // The bar with child id `id` (AFX_IDW_TOOLBAR, AFX_IDW_STATUS_BAR), or null.
  CControlBar* GetControlBar(UINT id) const;
  void ShowControlBar(CControlBar* bar, BOOL show);
  // The message pane's text; a prompt string shows its status-bar part.
  void SetMessageText(const std::string& text);
  void SetMessageText(UINT stringId);

  BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
  WidgetKind GetWidgetKind() const override { return WidgetKind::Frame; }

  std::string m_strTitle;

 protected:
  int OnCreate(LPCREATESTRUCT cs);
  void OnClose();
  void OnIdleUpdateCmdUI();
  LRESULT OnSetMessageString(WPARAM stringId, LPARAM text);
  LRESULT OnUpdateFrameTitleMessage(WPARAM, LPARAM);
  // View > Toolbar and View > Status Bar: the bar with the command's id.
  void OnBarCheck(UINT id);
  void OnUpdateControlBarMenu(CCmdUI* cmdUI);
  // CAP, NUM and SCRL show while their lock key is on.
  void OnUpdateKeyIndicator(CCmdUI* cmdUI);
  virtual BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context);
  CWnd* CreateView(CCreateContext* context, UINT id);
  // The framework made the frame; the framework deletes it.
  void PostNcDestroy() override { delete this; }

  DECLARE_MESSAGE_MAP()

 private:
  CView* m_pViewActive = nullptr;
  bool m_shownOnce = false;
  DWORD m_dockStyle = 0;  // sides of the frame where bars may dock
};
