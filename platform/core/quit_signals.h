#pragma once
// Signals that end the program: each becomes the quit message with status 0,
// so the loop ends as after closing the main window, whatever state it is
// in: open menus close and modal dialogs are cancelled on the way out. The
// handler only writes a byte to a pipe that the loop watches; nothing else
// is safe there.

#include <initializer_list>

// Installs the handler for each signal (SIGTERM, SIGINT, SIGHUP, ...). Needs
// the toolkit running. False when the pipe or a handler could not be made.
bool QuitOnSignals(std::initializer_list<int> signalNumbers);
