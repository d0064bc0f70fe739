#include "platform/core/message_loop.h"

#include <glib.h>
#include <sched.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

#include "platform/core/message_record.h"

namespace {

struct QuitState {
  bool posted = false;
  int exitCode = 0;
};
QuitState quit;

MSG lastDispatched;

BOOL TakeQuitMessage(MSG* msg) {
  quit.posted = false;
  lastDispatched = MSG{};
  lastDispatched.message = WM_QUIT;
  lastDispatched.wParam = WPARAM(quit.exitCode);
  if (msg != nullptr) *msg = lastDispatched;
  return FALSE;
}

BOOL DispatchOnePass(MSG* msg, QEventLoop::ProcessEventsFlags flags) {
  auto* dispatcher = QAbstractEventDispatcher::instance();
  if (dispatcher == nullptr) return FALSE;
  MessageRecord& record = MessageRecord::Instance();
  record.BeginPass();
  dispatcher->processEvents(flags);
  lastDispatched = record.Summary();
  if (msg != nullptr) *msg = lastDispatched;
  return TRUE;
}

}  // namespace

BOOL PeekMessage(MSG* msg, HWND, UINT, UINT, UINT) {
  if (msg != nullptr) *msg = lastDispatched;
  if (quit.posted) return TRUE;
  // Qt runs on the default GLib context on this platform: asking it whether
  // a source is ready answers "is a message waiting?" without taking one.
  if (g_main_context_pending(nullptr)) return TRUE;
  // Nothing waiting: a loop that peeks without blocking lets any other thread
  // that is ready run first. Alone on the processor it goes on at once and
  // still keeps it busy; beside other work it takes what they leave, and is
  // back within one of their time slices.
  sched_yield();
  return FALSE;
}

BOOL GetAndDispatchMessage(MSG* msg) {
  if (quit.posted) return TakeQuitMessage(msg);
  return DispatchOnePass(msg, QEventLoop::WaitForMoreEvents);
}

BOOL GetAndDispatchMessageWithin(MSG* msg, int timeoutMs) {
  if (quit.posted) return TakeQuitMessage(msg);
  if (timeoutMs <= 0) return DispatchOnePass(msg, QEventLoop::AllEvents);
  // The timer's event ends the wait when no message comes first.
  QTimer due;
  due.setSingleShot(true);
  due.setTimerType(Qt::PreciseTimer);
  due.start(timeoutMs);
  return DispatchOnePass(msg, QEventLoop::WaitForMoreEvents);
}

bool IsQuitPosted() { return quit.posted; }

void PostQuitMessage(int exitCode) {
  quit.posted = true;
  quit.exitCode = exitCode;
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}
