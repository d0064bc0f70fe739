#include "platform/window/native_window.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/core/quoted_text.h"
#include "platform/window/x_errors_ignored.h"

namespace {

constexpr const char* kScreenSaverVariable = "XSCREENSAVER_WINDOW";

std::string DisplayName() {
  const char* name = std::getenv("DISPLAY");
  return name != nullptr ? name : "";
}

std::string HexId(NativeWindowId id) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(id));
  return text;
}

// A connection of its own: an error about a missing window stays here.
class DisplayConnection {
 public:
  DisplayConnection() : display_(XOpenDisplay(nullptr)) {}
  ~DisplayConnection() {
    if (display_ != nullptr) XCloseDisplay(display_);
  }
  DisplayConnection(const DisplayConnection&) = delete;
  DisplayConnection& operator=(const DisplayConnection&) = delete;
  Display* get() const { return display_; }

 private:
  Display* display_;
};

bool WindowExists(Display* display, NativeWindowId id) {
  const XErrorsIgnored quietly;
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display, Window(id), &attributes) != 0;
}

NativeWindowLookup Failed(std::string why) { return NativeWindowLookup{0, std::move(why)}; }

std::string CannotOpenDisplay() {
  const std::string name = DisplayName();
  if (name.empty()) return "an X11 window needs an X11 display, and DISPLAY is not set";
  return "cannot open X11 display '" + name + "'";
}

}  // namespace

std::optional<NativeWindowId> ParseNativeWindowId(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  NativeWindowId id = 0;
  const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), id, base);
  if (text.empty() || problem != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (id == 0 || id > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  return id;
}

NativeWindowLookup FindScreenSaverWindow() {
  if (const char* given = std::getenv(kScreenSaverVariable); given != nullptr && *given != '\0') {
    const std::optional<NativeWindowId> id = ParseNativeWindowId(given);
    if (!id) return Failed(kScreenSaverVariable + (" is not a window id: " + Quoted(given)));
    return FindNativeWindow(*id);
  }
  const DisplayConnection display;
  if (display.get() == nullptr) return Failed(CannotOpenDisplay());
  return NativeWindowLookup{DefaultRootWindow(display.get()), {}};
}

NativeWindowLookup FindNativeWindow(NativeWindowId id) {
  const DisplayConnection display;
  if (display.get() == nullptr) return Failed(CannotOpenDisplay());
  if (!WindowExists(display.get(), id)) {
    return Failed("there is no window " + HexId(id) + " on display '" + DisplayName() + "'");
  }
  return NativeWindowLookup{id, {}};
}
