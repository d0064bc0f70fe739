#pragma once
// A window: a handle, a message map and the window services the program
// uses. Each live window stands on one toolkit widget that it owns; the
// widget's events arrive here as messages and go through the message map.

#include <memory>
#include <string>

#include "base/geometry.h"
#include "platform/core/cmd_target.h"
#include "platform/core/messages.h"
#include "platform/window/window_styles.h"

class CDC;
struct CCreateContext;
struct WndState;

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd();
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;  // null while no window exists
  // The window object of a live handle, or null.
  static CWnd* FromHandle(HWND hwnd);

  // Makes the window. A child gets WM_CREATE before this returns; a WM_CREATE
  // handler returning -1 makes the creation fail (and the window is destroyed).
  virtual BOOL Create(const char* className, const char* windowName, DWORD style, const Rect& rect,
                      CWnd* parent, UINT id, CCreateContext* context = nullptr);
  BOOL CreateEx(CREATESTRUCT& cs);
  // Sends WM_DESTROY to the window and then its children, frees the widgets
  // and calls PostNcDestroy on each, children first.
  virtual BOOL DestroyWindow();
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // The message being handled, passed on to the default processing unchanged.
  LRESULT Default();

  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void GetClientRect(Rect* rect) const;
  void InvalidateRect(const Rect* rect, BOOL erase = TRUE);
  void Invalidate(BOOL erase = TRUE) { InvalidateRect(nullptr, erase); }
  // Paints now if anything is pending.
  void UpdateWindow();
  void ShowWindow(int command);
  BOOL IsWindowVisible() const;
  void SetWindowText(const std::string& text);
  std::string GetWindowText() const;
  CWnd* GetParent() const;
  // The outermost window above this one (a frame for its bars and views), or null.
  CWnd* GetTopLevelParent() const;
  UINT GetDlgCtrlID() const;

  // The toolkit widget a window of this class stands on.
  using WidgetKind = ::WidgetKind;
  virtual WidgetKind GetWidgetKind() const { return WidgetKind::Child; }

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // The window class's own processing: the toolkit's default for the event
  // that raised the message, or the framework's default for the message.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Last call for a destroyed window; frames and views delete themselves here.
  virtual void PostNcDestroy() {}

  // Default handlers: each runs the default processing.
  int OnCreate(LPCREATESTRUCT cs);
  void OnDestroy();
  void OnSize(UINT type, int cx, int cy);
  BOOL OnEraseBkgnd(CDC* dc);
  void OnPaint();
  void OnClose();
  void OnLButtonDown(UINT flags, Point point);
  void OnKeyDown(UINT key, UINT repeats, UINT flags);

  DECLARE_MESSAGE_MAP()

 private:
  friend WndState* GetWndState(const CWnd* wnd);
  std::unique_ptr<WndState> m_state;
};

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

// Top-level size and position chosen by the window system.
inline constexpr int CW_USEDEFAULT = int(0x80000000);
