#include "platform/window/key_indicators.h"

#include <QGuiApplication>

#include "platform/core/standard_ids.h"

#ifdef KT_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
#endif
// After Qt: the X headers define macros (Bool, Status, None) that clash with Qt's names.
#ifdef KT_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace {

std::function<KeyIndicators()>& Source() {
  static std::function<KeyIndicators()> source;
  return source;
}

#ifdef KT_HAVE_X11
Display* XDisplayOfApplication() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->display() : nullptr;
}

// The server numbers its indicators itself; the names are fixed.
int IndicatorIndex(Display* display, const char* name) {
  const Atom atom = XInternAtom(display, name, False);
  int index = -1;
  if (atom == 0 || !XkbGetNamedIndicator(display, atom, &index, nullptr, nullptr, nullptr)) return -1;
  return index;
}

KeyIndicators ReadFromServer() {
  Display* display = XDisplayOfApplication();
  if (display == nullptr) return {};
  // Looked up once per display: one round trip per reading afterwards.
  static Display* knownDisplay = nullptr;
  static int caps = -1, num = -1, scroll = -1;
  if (display != knownDisplay) {
    knownDisplay = display;
    caps = IndicatorIndex(display, "Caps Lock");
    num = IndicatorIndex(display, "Num Lock");
    scroll = IndicatorIndex(display, "Scroll Lock");
  }
  unsigned state = 0;
  if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success) return {};
  auto on = [state](int index) { return index >= 0 && index < 32 && (state >> index & 1U) != 0; };
  return {on(caps), on(num), on(scroll)};
}
#else
KeyIndicators ReadFromServer() { return {}; }
#endif

}  // namespace

KeyIndicators ReadKeyIndicators() { return Source() ? Source()() : ReadFromServer(); }

bool IsKeyIndicatorOn(UINT indicatorId) {
  const KeyIndicators keys = ReadKeyIndicators();
  switch (indicatorId) {
    case ID_INDICATOR_CAPS: return keys.caps;
    case ID_INDICATOR_NUM: return keys.num;
    case ID_INDICATOR_SCRL: return keys.scroll;
    default: return false;
  }
}

void SetKeyIndicatorSource(std::function<KeyIndicators()> source) { Source() = std::move(source); }
