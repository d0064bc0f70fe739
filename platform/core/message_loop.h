#pragma once
// The message queue as the loop sees it. The toolkit cannot show the next
// message without taking it, so the message record always holds the one
// most recently dispatched.

#include "platform/core/messages.h"

// Non-removing peek: true when a message (or the quit message) is waiting.
// Only PM_NOREMOVE, with no window filter and no range, is supported.
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT firstMessage, UINT lastMessage, UINT removeFlags);

// Takes the waiting messages of one queue pass (waiting for one if there is
// none) and dispatches them. Fills msg with the most telling message of the
// pass and returns false, taking nothing else, when the quit message is next.
BOOL GetAndDispatchMessage(MSG* msg);

// The same, waiting at most timeoutMs for a message (not at all for 0): a
// pass that found nothing waiting dispatches nothing and returns true.
BOOL GetAndDispatchMessageWithin(MSG* msg, int timeoutMs);

// Puts the quit message in the queue; its wParam is the exit code.
void PostQuitMessage(int exitCode);

// True from PostQuitMessage until the loop takes the quit message: a loop of
// its own (a menu's, a drag's, a dialog's) ends rather than wait on, so that
// the quit reaches the program's loop.
bool IsQuitPosted();
