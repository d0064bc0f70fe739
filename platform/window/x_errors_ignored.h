#pragma once
// Platform-internal: while one lives, Xlib errors go unreported. Requests
// about windows that other clients made fail when those windows have just
// gone; the caller looks at what came back instead. Xlib has one handler for
// the whole process, so the one before is put back at the end of the scope.
// Include it after any Qt header: Xlib's macros clash with Qt's names.

#include <X11/Xlib.h>

class XErrorsIgnored {
 public:
  XErrorsIgnored();
  ~XErrorsIgnored();
  XErrorsIgnored(const XErrorsIgnored&) = delete;
  XErrorsIgnored& operator=(const XErrorsIgnored&) = delete;

 private:
  XErrorHandler previous_;
};
