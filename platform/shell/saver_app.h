#pragma once
// The application object of a screen saver: no document and no menus, one
// drawing window. Its loop steps the picture when a step is due and sleeps
// until the next one is due or a message comes; SIGTERM, SIGINT and SIGHUP
// end it with status 0, as does the end of its window.

#include <chrono>

#include "platform/shell/win_app.h"

class CSaverApp : public CWinApp {
 public:
  using CWinApp::CWinApp;

  int Run() override;

 protected:
  // One step of the picture; the loop calls it when m_stepDelay has passed
  // since the last one began.
  virtual void Step() = 0;

  std::chrono::microseconds m_stepDelay{40000};  // 0: as fast as the machine goes
};

// Brings up the toolkit and runs the application object. The command line
// is the saver's own and was read before: the toolkit is given none of it.
int AfxSaverMain(const char* programName);
