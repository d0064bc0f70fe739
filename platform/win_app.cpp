#include "platform/win_app.h"

#include <QApplication>
#include <QFileDialog>
#include <cstdlib>

#include "platform/cmd_ui.h"
#include "platform/command_line_info.h"
#include "platform/frame_wnd.h"
#include "platform/message_loop.h"
#include "platform/message_record.h"
#include "platform/single_doc_template.h"
#include "platform/wnd_state.h"
#include "res/resource.h"
#include "res/string_table.h"

namespace {
CWinApp* currentApp = nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
  ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp* AfxGetApp() { return currentApp; }

const char* AfxGetAppName() {
  if (currentApp != nullptr && !currentApp->m_strAppName.empty()) return currentApp->m_strAppName.c_str();
  const char* title = LoadResourceString(AFX_IDS_APP_TITLE);
  return title ? title : "";
}

CWinApp::CWinApp(const char* appName) {
  if (appName != nullptr) m_strAppName = appName;
  currentApp = this;
}

CWinApp::~CWinApp() {
  if (currentApp == this) currentApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run() {
  bool idle = true;
  LONG idleCount = 0;
  for (;;) {
    while (idle && !IsMessageWaiting(&m_msgCur)) {
      if (!OnIdle(idleCount++)) idle = false;
    }
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(&m_msgCur)) {
        idle = true;
        idleCount = 0;
      }
    } while (IsMessageWaiting(&m_msgCur));
  }
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
  for (std::size_t i = 0; i < m_args.size(); ++i) {
    const std::string& arg = m_args[i];
    const bool flag = arg.size() > 1 && arg[0] == '-';
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
  // No filter name or extension of our own: only the all-files filter.
  const QString path = QFileDialog::getOpenFileName(WidgetOf(m_pMainWnd), QStringLiteral("Open"), QString(),
                                                    QStringLiteral("All Files (*)"));
  if (!path.isEmpty()) OpenDocumentFile(path.toLocal8Bit().constData());
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}

int AfxWinMain(int argc, char** argv) {
  // The loop asks GLib's main context whether anything is waiting, so Qt
  // must run on it.
  qunsetenv("QT_NO_GLIB");
  QApplication toolkit(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // the main frame's destruction ends the loop

  CWinApp* app = AfxGetApp();
  if (app == nullptr) return EXIT_FAILURE;
  const QStringList args = QCoreApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) app->m_args.push_back(args[i].toLocal8Bit().toStdString());
  if (app->m_strAppName.empty()) app->m_strAppName = AfxGetAppName();

  int exitCode;
  if (!app->InitInstance()) {
    if (app->m_pMainWnd != nullptr) app->m_pMainWnd->DestroyWindow();
    app->m_initFailed = true;
    exitCode = app->ExitInstance();
  } else {
    exitCode = app->Run();
  }
  if (app->m_pMainWnd != nullptr) app->m_pMainWnd->DestroyWindow();
  app->AddDocTemplate(nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return exitCode;
}
