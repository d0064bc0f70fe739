#include "platform/shell/saver_app.h"

#include <QApplication>
#include <csignal>

#include "platform/core/message_loop.h"
#include "platform/core/quit_signals.h"
#include "platform/core/start_toolkit.h"

int CSaverApp::Run() {
  using Clock = std::chrono::steady_clock;
  Clock::time_point due = Clock::now();
  for (;;) {
    const Clock::time_point now = Clock::now();
    if (now >= due && !IsQuitPosted()) {  // a quit that came during the last pass ends it unstepped
      due = now + m_stepDelay;
      Step();
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now());
    if (!GetAndDispatchMessageWithin(&m_msgCur, int(std::max<long long>(wait.count(), 0)))) return ExitInstance();
  }
}

int AfxSaverMain(const char* programName) {
  // The loop asks GLib's main context whether anything is waiting, so Qt
  // must run on it.
  qunsetenv("QT_NO_GLIB");
  static int argc = 1;
  static char* argv[] = {const_cast<char*>(programName), nullptr};
  const std::unique_ptr<QApplication> toolkit = StartToolkit(argc, argv, programName);
  QApplication::setQuitOnLastWindowClosed(false);  // the window's end ends the loop
  CWinApp* app = AfxGetApp();
  if (app == nullptr || !QuitOnSignals({SIGTERM, SIGINT, SIGHUP})) return EXIT_FAILURE;
  return RunApplication(*app);
}
