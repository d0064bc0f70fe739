#include "platform/shell/frame_wnd.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include "platform/core/app_object.h"
#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/draw/resource_image.h"
#include "platform/shell/create_context.h"
#include "platform/shell/doc_string_field.h"
#include "platform/shell/document.h"
#include "platform/shell/view.h"
#include "platform/window/cmd_ui.h"
#include "platform/window/command_actions.h"
#include "platform/window/control_bar.h"
#include "platform/window/key_indicators.h"
#include "platform/window/status_bar.h"
#include "platform/window/status_tip_filter.h"
#include "platform/window/tool_bar.h"
#include "platform/window/tracking_loop.h"
#include "platform/window/wnd_state.h"

namespace {

// The view's size when the frame first opens, unless -geometry says otherwise.
constexpr int kDefaultViewWidth = 800;
constexpr int kDefaultViewHeight = 600;

QMainWindow* MainWindowOf(const CWnd* wnd) { return qobject_cast<QMainWindow*>(WidgetOf(wnd)); }

}  // namespace

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_WM_IDLEUPDATECMDUI()
  ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
  ON_MESSAGE(WM_UPDATEFRAMETITLE, OnUpdateFrameTitleMessage)
  ON_COMMAND_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnBarCheck)
  ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
  ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) { return CWnd::PreCreateWindow(cs); }

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
  const char* templateString = LoadResourceString(resourceId);
  m_strTitle = templateString ? std::string(DocStringField(templateString, DocStringIndex::windowTitle))
                              : std::string(AfxGetAppName());
  CREATESTRUCT cs;
  cs.lpCreateParams = context;
  cs.hwndParent = parent ? parent->m_hWnd : nullptr;
  cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
  cs.style = style & ~WS_VISIBLE;
  cs.lpszName = m_strTitle.c_str();
  cs.id = resourceId;
  // A failed creation has already deleted this frame: touch nothing after it.
  if (!CreateEx(cs)) return FALSE;
  if (QMainWindow* window = MainWindowOf(this)) {
    window->setWindowIcon(LoadIconResource(resourceId));
    LoadMenuBar(window, m_hWnd, resourceId);
    LoadAccelerators(window, m_hWnd, resourceId);
    RouteStatusTips(window, m_hWnd);
    EnableTrackingLoops();  // open menus and toolbar drags hold the application's loop
  }
  return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT cs) {
  if (CWnd::OnCreate(cs) == -1) return -1;
  auto* context = static_cast<CCreateContext*>(cs->lpCreateParams);
  if (!OnCreateClient(cs, context)) return -1;
  return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
  if (context == nullptr || context->m_pNewViewClass == nullptr) return TRUE;
  return CreateView(context, AFX_IDW_PANE_FIRST) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id) {
  CObject* object = context->m_pNewViewClass->CreateObject();
  if (object == nullptr || !object->IsKindOf(RUNTIME_CLASS(CWnd))) {
    delete object;
    return nullptr;
  }
  auto* view = static_cast<CWnd*>(object);
  // A view whose creation fails deletes itself on the way out.
  if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, Rect{}, this, id, context)) return nullptr;
  return view;
}

CView* CFrameWnd::GetActiveView() const {
  return m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr ? m_pViewActive : nullptr;
}

CDocument* CFrameWnd::GetActiveDocument() const {
  CView* view = GetActiveView();
  return view ? view->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* doc, BOOL makeVisible) {
  if (GetActiveView() == nullptr && doc != nullptr && !doc->GetViews().empty()) {
    SetActiveView(static_cast<CView*>(doc->GetViews().front()));
  }
  if (doc != nullptr) {
    for (CDocumentViewLink* view : doc->GetViews()) static_cast<CView*>(view)->OnInitialUpdate();
  }
  OnUpdateFrameTitle(TRUE);
  if (makeVisible) ActivateFrame();
}

void CFrameWnd::ActivateFrame(int command) {
  QMainWindow* window = MainWindowOf(this);
  if (window == nullptr) return;
  if (!m_shownOnce) {
    m_shownOnce = true;
    if (QWidget* central = window->centralWidget()) {
      const QSize oldMinimum = central->minimumSize();
      central->setMinimumSize(kDefaultViewWidth, kDefaultViewHeight);
      QSize size = window->sizeHint();
      central->setMinimumSize(oldMinimum);
      if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size());
      }
      window->resize(size);
    }
  }
  ShowWindow(command == -1 ? SW_SHOW : command);
  window->raise();
  window->activateWindow();
}

void CFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
  const CDocument* doc = GetActiveDocument();
  if (addToTitle && doc != nullptr && !doc->GetTitle().empty()) {
    SetWindowText(doc->GetTitle() + " - " + m_strTitle);
  } else {
    SetWindowText(m_strTitle);
  }
}

void CFrameWnd::OnClose() {
  CDocument* doc = GetActiveDocument();
  if (doc != nullptr && !doc->SaveModified()) return;
  if (doc != nullptr) {
    doc->OnCloseDocument();  // destroys this frame
  } else {
    DestroyWindow();
  }
}

void CFrameWnd::EnableDocking(DWORD dockStyle) { m_dockStyle = dockStyle & CBRS_ALIGN_ANY; }

void CFrameWnd::DockControlBar(CToolBar* bar) {
  QMainWindow* window = MainWindowOf(this);
  auto* toolBar = qobject_cast<QToolBar*>(WidgetOf(bar));
  if (window == nullptr || toolBar == nullptr) return;
  // A bar may go where both it and the frame allow; it floats when it may dock.
  const DWORD sides = bar->GetDockingStyle() & m_dockStyle;
  Qt::ToolBarAreas areas;
  if (sides & CBRS_ALIGN_TOP) areas |= Qt::TopToolBarArea;
  if (sides & CBRS_ALIGN_BOTTOM) areas |= Qt::BottomToolBarArea;
  if (sides & CBRS_ALIGN_LEFT) areas |= Qt::LeftToolBarArea;
  if (sides & CBRS_ALIGN_RIGHT) areas |= Qt::RightToolBarArea;
  toolBar->setAllowedAreas(areas);
  toolBar->setMovable(sides != 0);
  toolBar->setFloatable(sides != 0);
  if (window->toolBarArea(toolBar) == Qt::NoToolBarArea) window->addToolBar(Qt::TopToolBarArea, toolBar);
}

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
  if (CView* view = GetActiveView(); view && view->OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
  if (CWnd::OnCmdMsg(id, code, extra, handlerInfo)) return TRUE;
  CCmdTarget* app = AppCommandTarget();
  return app != nullptr && app->OnCmdMsg(id, code, extra, handlerInfo);
}

CControlBar* CFrameWnd::GetControlBar(UINT id) const {
  const WndState* state = GetWndState(this);
  if (m_hWnd == nullptr) return nullptr;
  for (CWnd* child : state->children) {
    if (child->GetDlgCtrlID() == id && child->IsKindOf(RUNTIME_CLASS(CControlBar))) {
      return static_cast<CControlBar*>(child);
    }
  }
  return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show) {
  if (bar != nullptr) bar->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CFrameWnd::OnBarCheck(UINT id) {
  CControlBar* bar = GetControlBar(id);
  if (bar != nullptr) ShowControlBar(bar, !bar->IsVisibleStyle());
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* cmdUI) {
  const CControlBar* bar = GetControlBar(cmdUI->m_nID);
  cmdUI->Enable(bar != nullptr);
  cmdUI->SetCheck(bar != nullptr && bar->IsVisibleStyle() ? 1 : 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* cmdUI) { cmdUI->Enable(IsKeyIndicatorOn(cmdUI->m_nID)); }

void CFrameWnd::SetMessageText(const std::string& text) {
  CControlBar* bar = GetControlBar(AFX_IDW_STATUS_BAR);
  if (bar == nullptr || !bar->IsKindOf(RUNTIME_CLASS(CStatusBar))) return;
  static_cast<CStatusBar*>(bar)->SetPaneText(0, text);
}

void CFrameWnd::SetMessageText(UINT stringId) {
  const char* text = FindPromptString(stringId);
  const std::string prompt = text ? text : "";
  SetMessageText(prompt.substr(0, prompt.find('\n')));
}

LRESULT CFrameWnd::OnUpdateFrameTitleMessage(WPARAM, LPARAM) {
  OnUpdateFrameTitle(TRUE);
  return 0;
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM stringId, LPARAM text) {
  if (text != 0) {
    SetMessageText(std::string(reinterpret_cast<const char*>(text)));
  } else {
    SetMessageText(UINT(stringId));
  }
  return 0;
}

void CFrameWnd::OnIdleUpdateCmdUI() {
  // The menus follow the command state here as well as when they open, so
  // what a menu shows and what its accelerators do never disagree.
  QMainWindow* window = MainWindowOf(this);
  if (window == nullptr || window->menuWidget() == nullptr) return;
  for (QAction* top : window->menuBar()->actions()) {
    if (top->menu() == nullptr) continue;
    for (QAction* action : top->menu()->actions()) {
      if (!action->isSeparator()) UpdateActionState(action, this, true);
    }
  }
}
