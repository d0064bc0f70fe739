#include "platform/window/command_actions.h"

#include <QMenuBar>
#include <QShortcut>

#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/window/cmd_ui.h"
#include "platform/window/wnd.h"

namespace {

constexpr const char* kCommandProperty = "kortalwindCommand";

void SendCommand(HWND target, UINT id) {
  // A disabled command does nothing, whichever way it is chosen.
  CWnd* wnd = CWnd::FromHandle(target);
  if (wnd != nullptr && IsCommandEnabled(wnd, id)) wnd->SendMessage(WM_COMMAND, WPARAM(id), 0);
}

}  // namespace

QKeySequence AcceleratorKeySequence(const Accelerator& entry) {
  int key = 0;
  switch (entry.key) {
    case VirtualKey::Back: key = Qt::Key_Backspace; break;
    case VirtualKey::Insert: key = Qt::Key_Insert; break;
    case VirtualKey::Delete: key = Qt::Key_Delete; break;
    case VirtualKey::F6: key = Qt::Key_F6; break;
    default: key = int(entry.key); break;  // letters and digits share their codes
  }
  int modifiers = 0;
  if (entry.ctrl) modifiers |= Qt::ControlModifier;
  if (entry.shift) modifiers |= Qt::ShiftModifier;
  if (entry.alt) modifiers |= Qt::AltModifier;
  return QKeySequence(key | modifiers);
}

void UpdateActionState(QAction* action, CCmdTarget* target, bool disableIfNoHandler) {
  CCmdUI state(CommandIdOf(action));
  state.DoUpdate(target, disableIfNoHandler ? TRUE : FALSE);
  if (state.EnableChanged()) action->setEnabled(state.IsEnabled());
  if (state.CheckChanged()) {
    action->setCheckable(true);
    action->setChecked(state.GetCheck() != 0);
  }
}

UINT CommandIdOf(const QAction* action) { return action->property(kCommandProperty).toUInt(); }

QAction* MakeCommandAction(QObject* parent, HWND target, UINT id, const QString& text) {
  auto* action = new QAction(text, parent);
  action->setProperty(kCommandProperty, id);
  if (const char* prompt = FindPromptString(id)) {
    const QString full = QString::fromUtf8(prompt);
    const qsizetype newline = full.indexOf(QLatin1Char('\n'));
    action->setStatusTip(newline < 0 ? full : full.left(newline));
    if (newline >= 0) action->setToolTip(full.mid(newline + 1));
  }
  QObject::connect(action, &QAction::triggered, action, [target, id] { SendCommand(target, id); });
  return action;
}

bool LoadMenuBar(QMainWindow* window, HWND target, UINT id) {
  const MenuResource* menu = FindMenu(id);
  if (menu == nullptr) return false;
  QMenuBar* bar = window->menuBar();
  bar->clear();
  for (const MenuPopup& popup : menu->popups) {
    QMenu* drop = bar->addMenu(QString::fromUtf8(popup.text));
    // As it opens, each item asks the routing whether it is enabled or
    // checked; as it closes, the message pane goes back to "Ready".
    QObject::connect(drop, &QMenu::aboutToShow, drop, [drop, target] {
      CWnd* wnd = CWnd::FromHandle(target);
      if (wnd == nullptr) return;
      for (QAction* action : drop->actions()) {
        if (!action->isSeparator()) UpdateActionState(action, wnd, true);
      }
    });
    QObject::connect(drop, &QMenu::aboutToHide, drop, [target] {
      if (CWnd* wnd = CWnd::FromHandle(target)) wnd->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    });
    for (const MenuItem& item : popup.items) {
      if (item.IsSeparator()) {
        drop->addSeparator();
      } else {
        drop->addAction(MakeCommandAction(drop, target, item.command, QString::fromUtf8(item.text)));
      }
    }
  }
  return true;
}

bool LoadAccelerators(QWidget* window, HWND target, UINT id) {
  const AcceleratorTable* table = FindAcceleratorTable(id);
  if (table == nullptr) return false;
  for (const Accelerator& entry : table->entries) {
    auto* shortcut = new QShortcut(AcceleratorKeySequence(entry), window);
    shortcut->setContext(Qt::WindowShortcut);
    const UINT command = entry.command;
    QObject::connect(shortcut, &QShortcut::activated, shortcut, [target, command] { SendCommand(target, command); });
  }
  return true;
}
