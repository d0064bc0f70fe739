#include "platform/window/wnd.h"

#include <QApplication>
#include <algorithm>
#include <unordered_map>

#include "platform/core/message_loop.h"
#include "platform/window/main_wnd.h"
#include "platform/window/wnd_state.h"
#include "platform/window/wnd_widget.h"

namespace {

// Live windows by handle; a handle is the window object's address.
std::unordered_map<HWND, CWnd*>& LiveWindows() {
  static std::unordered_map<HWND, CWnd*> live;
  return live;
}

// The message being handled, for Default().
struct SentMessage {
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};
SentMessage lastSent;

HWND HandleOf(CWnd* wnd) { return reinterpret_cast<HWND>(wnd); }

void WidgetGone(CWnd* wnd) {
  // Someone deleted the widget under a live window: the window is gone too,
  // without messages, since nothing of it can be drawn or asked any more.
  WndState* state = GetWndState(wnd);
  state->widget.clear();
  if (CWnd* parent = state->parent) {
    auto& siblings = GetWndState(parent)->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), wnd), siblings.end());
  }
  for (CWnd* child : state->children) GetWndState(child)->parent = nullptr;
  state->children.clear();
  state->parent = nullptr;
  LiveWindows().erase(wnd->m_hWnd);
  wnd->m_hWnd = nullptr;
}

// What the widgets call: a window procedure that sends to the window object
// of a live handle.
LRESULT SendToWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandle(hwnd);
  return wnd != nullptr ? wnd->SendMessage(message, wParam, lParam) : 0;
}

void WidgetGoneUnder(HWND hwnd) {
  if (CWnd* wnd = CWnd::FromHandle(hwnd)) WidgetGone(wnd);
}

constexpr WindowProcedures kWindowProcedures{&SendToWindow, &WidgetGoneUnder};

// This window and every descendant, parents before children.
void CollectTree(CWnd* wnd, std::vector<CWnd*>& out) {
  out.push_back(wnd);
  for (CWnd* child : GetWndState(wnd)->children) CollectTree(child, out);
}

}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

WndState* GetWndState(const CWnd* wnd) { return wnd ? wnd->m_state.get() : nullptr; }

QWidget* WidgetOf(const CWnd* wnd) {
  return wnd && wnd->m_hWnd ? GetWndState(wnd)->widget.data() : nullptr;
}

CWnd::CWnd() : m_state(std::make_unique<WndState>()) {}

CWnd::~CWnd() {
  if (m_hWnd != nullptr) DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  const auto& live = LiveWindows();
  const auto it = live.find(hwnd);
  return it == live.end() ? nullptr : it->second;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

BOOL CWnd::Create(const char*, const char* windowName, DWORD style, const Rect& rect, CWnd* parent,
                  UINT id, CCreateContext* context) {
  CREATESTRUCT cs;
  cs.lpCreateParams = context;
  cs.hwndParent = parent ? parent->m_hWnd : nullptr;
  cs.id = id;
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.Width();
  cs.cy = rect.Height();
  cs.style = style;
  cs.lpszName = windowName;
  return CreateEx(cs);
}

BOOL CWnd::CreateEx(CREATESTRUCT& cs) {
  if (m_hWnd != nullptr || QApplication::instance() == nullptr) return FALSE;
  if (!PreCreateWindow(cs)) return FALSE;
  CWnd* parent = FromHandle(cs.hwndParent);
  if ((cs.hwndParent != nullptr || (cs.style & WS_CHILD)) && parent == nullptr) return FALSE;

  m_hWnd = HandleOf(this);
  LiveWindows()[m_hWnd] = this;
  m_state->widget = CreateWndWidget(m_hWnd, kWindowProcedures, GetWidgetKind(), cs, WidgetOf(parent));
  m_state->parent = parent;
  m_state->id = cs.id;
  if (parent != nullptr) GetWndState(parent)->children.push_back(this);

  if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow();  // may delete this object: touch nothing after it
    return FALSE;
  }
  if (cs.style & WS_VISIBLE) ShowWindow(SW_SHOW);
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  std::vector<CWnd*> tree;
  CollectTree(this, tree);
  for (CWnd* wnd : tree) {
    if (wnd->m_hWnd != nullptr) wnd->SendMessage(WM_DESTROY);
  }

  // The widgets go with the top one; it is deleted once the toolkit is back
  // in its loop, since a handler of one of its own events may be running.
  if (QWidget* top = m_state->widget.data()) {
    top->hide();
    top->deleteLater();
  }
  if (CWnd* parent = m_state->parent) {
    auto& siblings = GetWndState(parent)->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  const bool wasMainWindow = ForgetMainWnd(this);
  for (CWnd* wnd : tree) {
    WndState* state = wnd->m_state.get();
    if (WidgetHost* host = HostOf(state->widget.data())) host->hwnd = nullptr;
    state->widget.clear();
    state->children.clear();
    state->parent = nullptr;
    LiveWindows().erase(wnd->m_hWnd);
    wnd->m_hWnd = nullptr;
  }
  if (wasMainWindow) PostQuitMessage(0);
  for (auto it = tree.rbegin(); it != tree.rend(); ++it) (*it)->PostNcDestroy();
  return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_hWnd == nullptr) return 0;
  const SentMessage saved = lastSent;
  lastSent = {message, wParam, lParam};
  const LRESULT result = WindowProc(message, wParam, lParam);
  lastSent = saved;
  return result;
}

LRESULT CWnd::Default() { return DefWindowProc(lastSent.message, lastSent.wParam, lastSent.lParam); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *result = 1;
    return TRUE;
  }
  const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), message);
  if (entry == nullptr) return FALSE;
  *result = entry->handler(this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  return OnCmdMsg(UINT(LOWORD(LPARAM(wParam))), CN_COMMAND, nullptr, nullptr);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM, LPARAM) {
  if (WidgetHost* host = HostOf(WidgetOf(this)); host && host->RunToolkitDefault(message)) return 0;
  switch (message) {
    case WM_CLOSE:
      DestroyWindow();
      return 0;
    default:
      // The default window class has no background brush: an erase erases
      // nothing. Creation succeeds; everything else needs no answer.
      return 0;
  }
}

int CWnd::OnCreate(LPCREATESTRUCT) { return int(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return BOOL(Default()); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnLButtonDown(UINT, Point) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  QWidget* widget = WidgetOf(this);
  if (widget == nullptr) return;
  widget->setGeometry(x, y, std::max(width, 0), std::max(height, 0));
  if (repaint) widget->update();
}

void CWnd::GetClientRect(Rect* rect) const {
  const QWidget* widget = WidgetOf(this);
  const QSize size = widget ? ClientSizeOf(widget) : QSize(0, 0);
  *rect = Rect{0, 0, size.width(), size.height()};
}

void CWnd::InvalidateRect(const Rect* rect, BOOL erase) {
  QWidget* widget = WidgetOf(this);
  if (widget == nullptr) return;
  if (erase) HostOf(widget)->erasePending = true;
  if (rect == nullptr) {
    widget->update();
  } else {
    widget->update(rect->left, rect->top, rect->Width(), rect->Height());
  }
}

void CWnd::UpdateWindow() {
  if (QWidget* widget = WidgetOf(this)) widget->repaint();
}

void CWnd::ShowWindow(int command) {
  QWidget* widget = WidgetOf(this);
  if (widget == nullptr) return;
  switch (command) {
    case SW_HIDE: widget->hide(); break;
    default: widget->show(); break;
  }
}

BOOL CWnd::IsWindowVisible() const {
  const QWidget* widget = WidgetOf(this);
  return widget != nullptr && widget->isVisible();
}

void CWnd::SetWindowText(const std::string& text) {
  if (QWidget* widget = WidgetOf(this)) widget->setWindowTitle(QString::fromStdString(text));
}

std::string CWnd::GetWindowText() const {
  const QWidget* widget = WidgetOf(this);
  return widget ? widget->windowTitle().toStdString() : std::string();
}

CWnd* CWnd::GetParent() const { return m_hWnd ? m_state->parent : nullptr; }

CWnd* CWnd::GetTopLevelParent() const {
  CWnd* top = GetParent();
  while (top != nullptr && top->GetParent() != nullptr) top = top->GetParent();
  return top;
}

UINT CWnd::GetDlgCtrlID() const { return m_hWnd ? m_state->id : 0; }
