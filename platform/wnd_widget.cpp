#include "platform/wnd_widget.h"

#include <QDialog>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

#include "platform/dc.h"
#include "platform/device_context.h"
#include "platform/window_paint_bridge.h"
#include "platform/wnd_state.h"

namespace {

// The surface an erase handler is given: the widget, clipped to the region
// being repainted. It exists only while WM_ERASEBKGND is handled.
class EraseDC : public CDC {
 public:
  EraseDC(QPaintDevice* device, const QRegion& region) {
    m_hDC = new (std::nothrow) DeviceContext(device, &region);
  }
};

Qt::ToolBarArea ToolBarArea(DWORD style) {
  if (style & CBRS_ALIGN_BOTTOM) return Qt::BottomToolBarArea;
  if (style & CBRS_ALIGN_LEFT) return Qt::LeftToolBarArea;
  if (style & CBRS_ALIGN_RIGHT) return Qt::RightToolBarArea;
  return Qt::TopToolBarArea;
}

// A widget that only ever shows what its window paints: no system
// background, no automatic fill, so nothing is erased between frames.
void MakeOpaque(QWidget* widget) {
  widget->setAttribute(Qt::WA_OpaquePaintEvent);
  widget->setAttribute(Qt::WA_NoSystemBackground);
  widget->setAutoFillBackground(false);
}

}  // namespace

WidgetHost* HostOf(QWidget* widget) { return dynamic_cast<WidgetHost*>(widget); }

QWidget* CreateWndWidget(CWnd* wnd, const CREATESTRUCT& cs, QWidget* parent) {
  auto* mainWindow = qobject_cast<QMainWindow*>(parent);
  QWidget* widget = nullptr;
  switch (wnd->GetWidgetKind()) {
    case CWnd::WidgetKind::Frame: {
      auto* frame = new ForwardingWidget<QMainWindow>(parent);
      frame->wnd = wnd;
      widget = frame;
      break;
    }
    case CWnd::WidgetKind::ToolBar: {
      auto* bar = new ForwardingWidget<QToolBar>(parent);
      bar->wnd = wnd;
      if (mainWindow) mainWindow->addToolBar(ToolBarArea(cs.style), bar);
      widget = bar;
      break;
    }
    case CWnd::WidgetKind::StatusBar: {
      auto* bar = new ForwardingWidget<QStatusBar>(parent);
      bar->wnd = wnd;
      if (mainWindow) mainWindow->setStatusBar(bar);
      widget = bar;
      break;
    }
    case CWnd::WidgetKind::Dialog: {
      auto* dialog = new ForwardingWidget<QDialog>(parent);
      dialog->wnd = wnd;
      widget = dialog;
      break;
    }
    case CWnd::WidgetKind::Child: {
      auto* child = new ForwardingWidget<QWidget>(parent);
      child->wnd = wnd;
      MakeOpaque(child);
      if (mainWindow && cs.id == AFX_IDW_PANE_FIRST) {
        mainWindow->setCentralWidget(child);
      } else if (parent) {
        child->setGeometry(cs.x, cs.y, std::max(cs.cx, 0), std::max(cs.cy, 0));
      }
      widget = child;
      break;
    }
  }
  if (cs.lpszName) widget->setWindowTitle(QString::fromUtf8(cs.lpszName));
  return widget;
}

void ForwardPaint(CWnd* wnd, QPaintEvent* event) {
  WndState* state = GetWndState(wnd);
  QWidget* widget = state->widget.data();
  state->currentPaint = event;
  if (state->erasePending) {
    state->erasePending = false;
    EraseDC dc(widget, event->region());
    wnd->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)));
  }
  // The erase handler may have destroyed the window.
  if (wnd->m_hWnd != nullptr) wnd->SendMessage(WM_PAINT);
  if (wnd->m_hWnd != nullptr) {
    state->currentPaint = nullptr;
    state->inPaint = false;
  }
}

UINT MouseKeyFlags(const QMouseEvent* event) {
  UINT flags = 0;
  const Qt::MouseButtons buttons = event->buttons();
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
  if (event->modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (event->modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

WindowPaintTarget BeginWindowPaint(CWnd* wnd) {
  WndState* state = GetWndState(wnd);
  if (wnd == nullptr || wnd->m_hWnd == nullptr || state->currentPaint == nullptr || state->inPaint) {
    return {};
  }
  state->inPaint = true;
  return {state->widget.data(), state->currentPaint->region()};
}

void EndWindowPaint(CWnd* wnd) {
  if (WndState* state = GetWndState(wnd)) state->inPaint = false;
}
