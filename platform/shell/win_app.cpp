#include "platform/shell/win_app.h"

#include <QApplication>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "platform/core/app_object.h"
#include "platform/core/message_loop.h"
#include "platform/core/message_record.h"
#include "platform/core/quit_signals.h"
#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/core/start_toolkit.h"
#include "platform/shell/command_line_info.h"
#include "platform/shell/shell_options.h"
#include "platform/shell/single_doc_template.h"
#include "platform/window/cmd_ui.h"
#include "platform/window/file_dialog.h"
#include "platform/window/main_wnd.h"
#include "platform/window/wnd.h"

namespace {
CWinApp* currentApp = nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
  ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp* AfxGetApp() { return currentApp; }

CWinApp::CWinApp(const char* appName) {
  SetAppName(appName);
  SetAppCommandTarget(this);
  SetMainWndSlot(&m_pMainWnd);
  currentApp = this;
}

CWinApp::~CWinApp() {
  if (currentApp != this) return;
  currentApp = nullptr;
  SetAppName(nullptr);
  SetAppCommandTarget(nullptr);
  SetMainWndSlot(nullptr);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
  IdleState state;
  for (;;) {
    while (state.idle && !IsMessageWaiting(&m_msgCur)) {
      if (!IdleOnce(state)) state.idle = false;
    }
    if (!DispatchWaitingMessages(state)) return ExitInstance();
  }
}

BOOL CWinApp::IdleOnce(IdleState& state) {
  const BOOL moreIdleWork = OnIdle(state.count);
  if (state.count < std::numeric_limits<LONG>::max()) ++state.count;
  return moreIdleWork;
}

bool CWinApp::DispatchWaitingMessages(IdleState& state) {
  do {
    if (!PumpMessage()) return false;
    if (IsIdleMessage(&m_msgCur)) state = IdleState{};
  } while (IsMessageWaiting(&m_msgCur));
  return true;
}

BOOL CWinApp::IsMessageWaiting(MSG* msg) { return ::PeekMessage(msg, nullptr, 0, 0, PM_NOREMOVE); }

BOOL CWinApp::OnIdle(LONG count) {
  if (count <= 0) {
    IdleUpdateCmdUI(m_pMainWnd);  // menus, buttons and panes follow the command state
    return TRUE;                  // the next count does the housekeeping
  }
  if (count == 1) {
    // Windows destroyed since the last idle moment let go of their widgets
    // from inside event handlers; free those widgets now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return FALSE;
}

BOOL CWinApp::PumpMessage() { return GetAndDispatchMessage(&m_msgCur); }

BOOL CWinApp::IsIdleMessage(MSG* msg) {
  if (msg->message == WM_MOUSEMOVE || msg->message == WM_NCMOUSEMOVE) {
    const bool moved = msg->message != m_lastMouseMessage || !(msg->pt == m_lastCursor);
    m_lastMouseMessage = msg->message;
    m_lastCursor = msg->pt;
    return moved ? TRUE : FALSE;
  }
  return IsPaintOrTimer(msg->message) ? FALSE : TRUE;
}

int CWinApp::ExitInstance() { return m_initFailed ? EXIT_FAILURE : int(m_msgCur.wParam); }

void CWinApp::AddDocTemplate(CSingleDocTemplate* docTemplate) { m_template.reset(docTemplate); }

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
  bool optionsEnded = false;  // after "--", a name may start with a dash
  for (std::size_t i = 0; i < m_args.size(); ++i) {
    const std::string& arg = m_args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
      continue;
    }
    const bool flag = !optionsEnded && arg.size() > 1 && arg[0] == '-';
    info.ParseParam(flag ? arg.c_str() + 1 : arg.c_str(), flag, i + 1 == m_args.size());
  }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr)) OnFileNew();
      return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(info.m_strFileName.c_str()) != nullptr;
    case CCommandLineInfo::FileNothing:
      return TRUE;
  }
  return FALSE;
}

CDocument* CWinApp::OpenDocumentFile(const char* path) {
  return m_template ? m_template->OpenDocumentFile(path) : nullptr;
}

void CWinApp::OnFileNew() {
  if (m_template) m_template->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
  // A file that cannot be opened has been reported; the document stays.
  if (const std::optional<std::string> path = PromptFileName(FileDialogKind::open, {}); path && !path->empty()) {
    OpenDocumentFile(path->c_str());
  }
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}

int AfxWinMain(int argc, char** argv) {
  // --help and --version answer before the window system is asked for, so
  // they work without a display. The raw bytes of a file name are kept: a
  // name need not be valid text.
  const std::vector<std::string> given(argv + std::min(argc, 1), argv + argc);
  const ShellOptions options = ParseShellOptions(given);
  const std::string program = argc > 0 && argv[0] != nullptr ? argv[0] : "kortalwind";
  const std::string programName = program.substr(program.rfind('/') + 1);
  switch (options.action) {
    case ShellOptions::Action::help:
      std::fputs(ShellHelpText(programName).c_str(), stdout);
      return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    case ShellOptions::Action::version:
      std::fputs(ShellVersionText().c_str(), stdout);
      return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    case ShellOptions::Action::error:
      std::fprintf(stderr, "%s: %s\n", programName.c_str(), options.error.c_str());
      return kShellUsageStatus;
    case ShellOptions::Action::run:
      break;
  }

  // The loop asks GLib's main context whether anything is waiting, so Qt
  // must run on it.
  qunsetenv("QT_NO_GLIB");
  const std::unique_ptr<QApplication> toolkit = StartToolkit(argc, argv, programName);
  QApplication::setQuitOnLastWindowClosed(false);  // the main frame's destruction ends the loop

  CWinApp* app = AfxGetApp();
  if (app == nullptr) return EXIT_FAILURE;
  app->m_args = options.programArgs;
  // A session that ends, or `kill`, closes the program as File > Exit does.
  // Without the handler it still ends, only by the signal's default.
  QuitOnSignals({SIGTERM, SIGHUP});
  return RunApplication(*app);
}

int RunApplication(CWinApp& app) {
  int exitCode;
  if (!app.InitInstance()) {
    if (app.m_pMainWnd != nullptr) app.m_pMainWnd->DestroyWindow();
    app.m_initFailed = true;
    exitCode = app.ExitInstance();
  } else {
    exitCode = app.Run();
  }
  if (app.m_pMainWnd != nullptr) app.m_pMainWnd->DestroyWindow();
  app.AddDocTemplate(nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return exitCode;
}
