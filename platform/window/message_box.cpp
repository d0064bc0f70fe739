#include "platform/window/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "platform/core/app_object.h"
#include "platform/core/message_loop.h"
#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/window/main_wnd.h"
#include "platform/window/wnd_state.h"

namespace {

std::function<int(const std::string&, UINT)>& BoxHandler() {
  static std::function<int(const std::string&, UINT)> handler;
  return handler;
}

QMessageBox::Icon IconFor(UINT type) {
  return (type & 0xF0) == MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsFor(UINT type) {
  return (type & 0x0F) == MB_YESNOCANCEL ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                          : QMessageBox::Ok;
}

int ResultOf(int button) {
  switch (button) {
    case QMessageBox::Cancel: return int(IDCANCEL);
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return int(IDOK);
  }
}

}  // namespace

void SetMessageBoxHandler(std::function<int(const std::string&, UINT)> handler) {
  BoxHandler() = std::move(handler);
}

int AfxMessageBox(const char* text, UINT type, UINT) {
  const std::string message = text ? text : "";
  if (IsQuitPosted()) return int(IDCANCEL);
  if (BoxHandler()) return BoxHandler()(message, type);
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    // No window system to ask: say it where a person will see it.
    std::fprintf(stderr, "%s: %s\n", AfxGetAppName(), message.c_str());
    return (type & 0x0F) == MB_OK ? int(IDOK) : int(IDCANCEL);
  }
  QWidget* parent = WidgetOf(AfxGetMainWnd());
  QMessageBox box(IconFor(type), QString::fromUtf8(AfxGetAppName()), QString::fromStdString(message),
                  ButtonsFor(type), parent);
  const int button = box.exec();
  return IsQuitPosted() ? int(IDCANCEL) : ResultOf(button);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId) {
  const char* text = LoadResourceString(promptId);
  if (text == nullptr) return int(IDCANCEL);
  return AfxMessageBox(text, type, helpId);
}
