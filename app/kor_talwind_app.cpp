#include "app/kor_talwind_app.h"

#include "app/about_dialog.h"
#include "app/kor_talwind_doc.h"
#include "app/kor_talwind_view.h"
#include "app/main_frame.h"
#include "platform/core/afx_init.h"
#include "platform/core/standard_ids.h"
#include "platform/core/tick_count.h"
#include "platform/shell/command_line_info.h"
#include "platform/shell/single_doc_template.h"
#include "platform/window/message_box.h"
#include "res/program_resources.h"
#include "res/resource.h"
#include "scene/scene_store.h"

BEGIN_MESSAGE_MAP(CKorTalwindApp, CWinApp)
  ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
  ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
  ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
END_MESSAGE_MAP()

CKorTalwindApp::CKorTalwindApp() { AfxSetResourceTables(ProgramResources()); }

BOOL CKorTalwindApp::InitInstance() {
  if (!AfxSocketInit()) {
    AfxMessageBox(IDP_SOCKETS_INIT_FAILED, MB_OK);
    return FALSE;
  }
  AfxEnableControlContainer();
  Enable3dControls();
  LoadStdProfileSettings(0);

  AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKorTalwindDoc), RUNTIME_CLASS(CMainFrame),
                                        RUNTIME_CLASS(CKorTalwindView)));
  CCommandLineInfo commandLine;
  ParseCommandLine(commandLine);
  return ProcessShellCommand(commandLine);
}

int CKorTalwindApp::Run() {
  IdleState state;
  std::uint32_t lastStep = 0;
  for (;;) {
    // Idle phase: spin without blocking, so a step starts as soon as it is due.
    while (state.idle && !IsMessageWaiting(&m_msgCur)) {
      if (!IdleOnce(state) && Scene().activeView != nullptr) {
        if (std::uint32_t(GetTickCount() - lastStep) > kStepIntervalMs) {
          lastStep = GetTickCount();
          Scene().activeView->Step();
        }
      }
    }
    if (!DispatchWaitingMessages(state)) return ExitInstance();
  }
}

void CKorTalwindApp::OnAppAbout() {
  CAboutDialog about;
  about.DoModal();
}
