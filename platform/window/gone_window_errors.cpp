#include "platform/window/gone_window_errors.h"

#include <QtGlobal>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kX11Category = "qt.qpa.xcb";

QtMessageHandler passOn = nullptr;

void DropX11Errors(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (context.category != nullptr && std::strcmp(context.category, kX11Category) == 0 && type == QtWarningMsg) return;
  if (passOn != nullptr) {
    passOn(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
  }
}

}  // namespace

void ExpectErrorsAboutGoneWindows() {
  static const bool installed = (passOn = qInstallMessageHandler(DropX11Errors), true);
  (void)installed;
}
