#pragma once
// Platform-internal: menu items, toolbar buttons and accelerator keys as
// toolkit actions that send WM_COMMAND to the window they belong to, while
// the command is enabled.

#include <QAction>
#include <QMainWindow>

#include "platform/core/accelerator_table.h"
#include "platform/core/win_types.h"

class CCmdTarget;

// The command id an action sends; 0 for actions of the toolkit's own.
UINT CommandIdOf(const QAction* action);

// An action that sends command id to the window `target` names, with the
// prompt string id's two parts as status-bar text and tool tip.
QAction* MakeCommandAction(QObject* parent, HWND target, UINT id, const QString& text);

// The menu bar of menu resource id; false when there is none.
bool LoadMenuBar(QMainWindow* window, HWND target, UINT id);
// The keys of accelerator table id; false when there is none.
bool LoadAccelerators(QWidget* window, HWND target, UINT id);

// The keys of one accelerator entry.
QKeySequence AcceleratorKeySequence(const Accelerator& entry);

// Enables, disables and checks the action as target's update handlers say;
// with disableIfNoHandler, a command nothing handles is disabled.
void UpdateActionState(QAction* action, CCmdTarget* target, bool disableIfNoHandler);
