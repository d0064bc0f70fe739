#include "platform/core/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

#include "platform/core/message_loop.h"

namespace {

int wakePipe[2] = {-1, -1};  // read end, write end

void WriteWakeByte(int) {
  const int saved = errno;  // the interrupted code may be reading errno
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
  errno = saved;
}

// Ends every loop the program's own loop waits under, innermost first: open
// pop-ups close (ending the tracking loop), then each modal dialog is
// cancelled, returning to the one below. Whoever ran them sees the quit.
void EndModalLoops() {
  while (QWidget* popup = QApplication::activePopupWidget()) {
    if (!popup->close()) break;
  }
  while (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
    if (modal == QApplication::activeModalWidget()) break;  // it stays: no loop of ours to end
  }
}

void DrainAndQuit() {
  char bytes[16];
  while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {
  }
  PostQuitMessage(0);
  EndModalLoops();
}

}  // namespace

bool QuitOnSignals(std::initializer_list<int> signalNumbers) {
  if (wakePipe[0] < 0 && ::pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) return false;
  // Lives as long as the process: a signal may come at any moment.
  static const auto* notifier = [] {
    auto* watch = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read);
    QObject::connect(watch, &QSocketNotifier::activated, watch, DrainAndQuit);
    return watch;
  }();
  (void)notifier;
  struct sigaction action {};
  action.sa_handler = WriteWakeByte;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : signalNumbers) {
    if (::sigaction(number, &action, nullptr) != 0) return false;
  }
  return true;
}
