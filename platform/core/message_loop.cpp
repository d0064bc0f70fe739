#include "platform/core/message_loop.h"

#include <glib.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include "platform/core/message_record.h"

namespace {

struct QuitState {
  bool posted = false;
  int exitCode = 0;
};
QuitState quit;

MSG lastDispatched;

}  // namespace

BOOL PeekMessage(MSG* msg, HWND, UINT, UINT, UINT) {
  if (msg != nullptr) *msg = lastDispatched;
  if (quit.posted) return TRUE;
  // Qt runs on the default GLib context on this platform: asking it whether
  // a source is ready answers "is a message waiting?" without taking one.
  return g_main_context_pending(nullptr) ? TRUE : FALSE;
}

BOOL GetAndDispatchMessage(MSG* msg) {
  if (quit.posted) {
    quit.posted = false;
    lastDispatched = MSG{};
    lastDispatched.message = WM_QUIT;
    lastDispatched.wParam = WPARAM(quit.exitCode);
    if (msg != nullptr) *msg = lastDispatched;
    return FALSE;
  }
  auto* dispatcher = QAbstractEventDispatcher::instance();
  if (dispatcher == nullptr) return FALSE;
  MessageRecord& record = MessageRecord::Instance();
  record.BeginPass();
  dispatcher->processEvents(QEventLoop::WaitForMoreEvents);
  lastDispatched = record.Summary();
  if (msg != nullptr) *msg = lastDispatched;
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  quit.posted = true;
  quit.exitCode = exitCode;
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}
