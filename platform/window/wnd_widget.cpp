#include "platform/window/wnd_widget.h"

#include <QDialog>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

#include "platform/draw/dc.h"
#include "platform/draw/device_context.h"

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

namespace {
bool InDevicePixels(const QWidget* widget) {
  const WidgetHost* host = dynamic_cast<const WidgetHost*>(widget);
  return host != nullptr && host->devicePixels;
}
}  // namespace

QSize ClientSizeOf(const QWidget* widget) {
  if (!InDevicePixels(widget)) return widget->size();
  return DevicePixelSize(widget->width(), widget->height(), widget->devicePixelRatioF());
}

QPoint ClientPointOf(const QWidget* widget, const QPointF& at) {
  return (InDevicePixels(widget) ? at * widget->devicePixelRatioF() : at).toPoint();
}

QWidget* CreateWndWidget(HWND hwnd, const WindowProcedures& procedures, WidgetKind kind,
                         const CREATESTRUCT& cs, QWidget* parent) {
  auto* mainWindow = qobject_cast<QMainWindow*>(parent);
  QWidget* widget = nullptr;
  switch (kind) {
    case WidgetKind::Frame: {
      auto* frame = new ForwardingWidget<QMainWindow>(parent);
      widget = frame;
      break;
    }
    case WidgetKind::ToolBar: {
      auto* bar = new ForwardingWidget<QToolBar>(parent);
      if (mainWindow) mainWindow->addToolBar(ToolBarArea(cs.style), bar);
      widget = bar;
      break;
    }
    case WidgetKind::StatusBar: {
      auto* bar = new ForwardingWidget<QStatusBar>(parent);
      if (mainWindow) mainWindow->setStatusBar(bar);
      widget = bar;
      break;
    }
    case WidgetKind::Dialog: {
      auto* dialog = new ForwardingWidget<QDialog>(parent);
      widget = dialog;
      break;
    }
    case WidgetKind::Child: {
      auto* child = new ForwardingWidget<QWidget>(parent);
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
  WidgetHost* host = HostOf(widget);
  host->hwnd = hwnd;
  host->procedures = procedures;
  host->devicePixels = (cs.style & WS_DEVICEPIXELS) != 0;
  return widget;
}

void ForwardPaint(WidgetHost* host, QPaintEvent* event) {
  host->currentPaint = event;
  if (host->erasePending) {
    host->erasePending = false;
    EraseDC dc(dynamic_cast<QWidget*>(host), event->region());
    host->Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)));
  }
  // The erase handler may have destroyed the window.
  host->Send(WM_PAINT);
  host->currentPaint = nullptr;
  host->inPaint = false;
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

WPARAM KeyDownCode(const QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape) return VK_ESCAPE;
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return WPARAM(key);
  return 0;
}
