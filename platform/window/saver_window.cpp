#include "platform/window/saver_window.h"

#include <QScreen>
#include <QWindow>
#include <cstdlib>
#include <string_view>

#include "platform/window/native_window_watch.h"
#include "platform/window/wnd.h"
#include "platform/window/wnd_state.h"

namespace {

constexpr const char* kPlatformVariable = "QT_QPA_PLATFORM";
constexpr std::string_view kX11Platform = "xcb";

bool IsNative(SaverPlacement::Kind kind) {
  return kind == SaverPlacement::Kind::screenSaverWindow || kind == SaverPlacement::Kind::windowId;
}

// A window-system plugin asked for by name must be X11's; none asked for
// gets X11's, which under a Wayland session still reaches X11 windows.
std::string UseX11() {
  const char* asked = std::getenv(kPlatformVariable);
  if (asked != nullptr && *asked != '\0' && std::string_view(asked).substr(0, kX11Platform.size()) != kX11Platform) {
    return "an X11 window cannot be drawn into with the '" + std::string(asked) + "' window system";
  }
  qputenv(kPlatformVariable, QByteArray(kX11Platform.data(), kX11Platform.size()));
  return {};
}

// Someone else's X window has no ratio: the picture fills its pixels,
// whatever scale the desktop asks of the toolkit.
void DrawAtWindowPixels() {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

void Embed(QWidget* widget, NativeWindowId id) {
  QWindow* host = QWindow::fromWinId(WId(id));
  widget->winId();  // the widget's own window, to be put inside the host
  widget->windowHandle()->setParent(host);
  // The host stays until the widget's window, which the toolkit keeps as its child, is gone.
  QObject::connect(widget, &QObject::destroyed, host, [host] { host->deleteLater(); });
  new NativeWindowWatch(id, widget);  // a child of the widget: goes with it
}

}  // namespace

std::string PrepareSaverPlacement(SaverPlacement& placement) {
  if (!IsNative(placement.kind)) return {};
  if (std::string why = UseX11(); !why.empty()) return why;
  DrawAtWindowPixels();
  const NativeWindowLookup found = placement.kind == SaverPlacement::Kind::screenSaverWindow
                                       ? FindScreenSaverWindow()
                                       : FindNativeWindow(placement.windowId);
  placement.windowId = found.id;
  return found.error;
}

BOOL CreateSaverWindow(CWnd& wnd, const SaverPlacement& placement, const char* title) {
  CREATESTRUCT cs;
  cs.style = WS_OVERLAPPED;  // not visible yet: placed first
  cs.lpszName = title;
  if (!wnd.CreateEx(cs)) return FALSE;
  QWidget* widget = WidgetOf(&wnd);
  switch (placement.kind) {
    case SaverPlacement::Kind::ownWindow:
      widget->resize(placement.geometry.Width(), placement.geometry.Height());
      if (placement.positioned) widget->move(placement.geometry.left, placement.geometry.top);
      widget->show();
      break;
    case SaverPlacement::Kind::fullScreen:
      // Without a window manager the size is ours to set.
      widget->setGeometry(widget->screen()->geometry());
      widget->showFullScreen();
      break;
    case SaverPlacement::Kind::screenSaverWindow:
    case SaverPlacement::Kind::windowId:
      Embed(widget, placement.windowId);
      widget->show();
      break;
  }
  return TRUE;
}
