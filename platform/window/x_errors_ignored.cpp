#include "platform/window/x_errors_ignored.h"

namespace {
int IgnoreError(Display*, XErrorEvent*) { return 0; }
}  // namespace

XErrorsIgnored::XErrorsIgnored() : previous_(XSetErrorHandler(IgnoreError)) {}

XErrorsIgnored::~XErrorsIgnored() { XSetErrorHandler(previous_); }
