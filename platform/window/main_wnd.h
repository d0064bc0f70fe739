#pragma once
// The application's main window: dialogs and message boxes sit over it, and
// its destruction ends the message loop. The application object keeps the
// pointer and says here where.

class CWnd;

// The main window, or null.
CWnd* AfxGetMainWnd();
// Makes wnd the main window, when there is an application to keep it.
void SetMainWnd(CWnd* wnd);
// Where the application keeps its main window; null when there is no application.
void SetMainWndSlot(CWnd** slot);
// The window is being destroyed: when it is the main window the slot is
// cleared and true returned.
bool ForgetMainWnd(const CWnd* wnd);
