#include "platform/window/file_dialog.h"

#include <QApplication>
#include <QFileDialog>

#include "platform/core/message_loop.h"
#include "platform/window/main_wnd.h"
#include "platform/window/wnd_state.h"

namespace {

using Handler = std::function<std::optional<std::string>(FileDialogKind, const std::string&)>;

Handler& CurrentHandler() {
  static Handler handler;
  return handler;
}

const QString kAllFilesFilter = QStringLiteral("All Files (*)");

}  // namespace

void SetFileDialogHandler(Handler handler) { CurrentHandler() = std::move(handler); }

std::optional<std::string> PromptFileName(FileDialogKind kind, const std::string& proposed) {
  if (IsQuitPosted()) return std::nullopt;
  if (CurrentHandler()) return CurrentHandler()(kind, proposed);
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return std::nullopt;
  QWidget* parent = WidgetOf(AfxGetMainWnd());
  const QString start = QFile::decodeName(proposed.c_str());
  // Qt's Save As dialog asks before replacing an existing file.
  const QString chosen =
      kind == FileDialogKind::open
          ? QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), start, kAllFilesFilter)
          : QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), start, kAllFilesFilter);
  if (chosen.isEmpty() || IsQuitPosted()) return std::nullopt;
  return QFile::encodeName(chosen).toStdString();
}
