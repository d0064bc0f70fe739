#include "platform/file_dialog.h"

#include <QApplication>
#include <QFileDialog>

#include "platform/win_app.h"
#include "platform/wnd_state.h"

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
  if (CurrentHandler()) return CurrentHandler()(kind, proposed);
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return std::nullopt;
  CWinApp* app = AfxGetApp();
  QWidget* parent = app ? WidgetOf(app->m_pMainWnd) : nullptr;
  const QString start = QFile::decodeName(proposed.c_str());
  // Qt's Save As dialog asks before replacing an existing file.
  const QString chosen =
      kind == FileDialogKind::open
          ? QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), start, kAllFilesFilter)
          : QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), start, kAllFilesFilter);
  if (chosen.isEmpty()) return std::nullopt;
  return QFile::encodeName(chosen).toStdString();
}
