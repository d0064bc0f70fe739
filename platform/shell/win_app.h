#pragma once
// The application object: start-up, the message loop and its services, the
// document template and the commands that belong to the application.

#include <memory>
#include <string>
#include <vector>

#include "platform/core/cmd_target.h"
#include "platform/core/messages.h"

class CWnd;
class CDocument;
class CSingleDocTemplate;
class CCommandLineInfo;

class CWinApp : public CCmdTarget {
 public:
  // With no name the application takes its title from the string table.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  CWnd* m_pMainWnd = nullptr;
  MSG m_msgCur{};  // the message record of the loop
  std::vector<std::string> m_args;  // the program's own command-line arguments, as given

  virtual BOOL InitInstance();
  // The framework's loop; a program may replace it with its own over the
  // services below.
  virtual int Run();

  // Non-removing peek: true while a message is waiting.
  virtual BOOL IsMessageWaiting(MSG* msg);
  // The framework's idle work; true while more is due.
  virtual BOOL OnIdle(LONG count);
  // Dispatches one message (one pass of the toolkit's queue); false on quit.
  virtual BOOL PumpMessage();
  // False after paint and timer messages and after a mouse move that did not move.
  virtual BOOL IsIdleMessage(MSG* msg);
  // The framework's shutdown work; the result is the process exit code.
  virtual int ExitInstance();

  // The two phases of a loop, shared by the framework's Run and by a program's own.
  struct IdleState {
    bool idle = true;  // idle work may be due
    LONG count = 0;    // OnIdle calls since the last message that made idle work due
  };
  // OnIdle with the count, which then advances. It stops at its maximum: an
  // idle phase may spin for hours, and a count that wrapped would make the
  // first rounds of idle work due again.
  BOOL IdleOnce(IdleState& state);
  // The message phase: dispatches until nothing is waiting. False once the
  // quit message came.
  bool DispatchWaitingMessages(IdleState& state);

  void AddDocTemplate(CSingleDocTemplate* docTemplate);  // takes ownership
  CSingleDocTemplate* GetDocTemplate() const { return m_template.get(); }
  void ParseCommandLine(CCommandLineInfo& info);
  BOOL ProcessShellCommand(CCommandLineInfo& info);
  virtual CDocument* OpenDocumentFile(const char* path);

  // Standard command handlers a program binds in its own map.
  void OnFileNew();
  void OnFileOpen();
  void OnAppExit();

  // Set when InitInstance failed, so the exit code reports it.
  bool m_initFailed = false;

 protected:
  void Enable3dControls() {}                   // the toolkit's controls are already shaded
  void LoadStdProfileSettings(UINT = 4) {}      // the program keeps no settings

  DECLARE_MESSAGE_MAP()

 private:
  std::unique_ptr<CSingleDocTemplate> m_template;
  UINT m_lastMouseMessage = 0;
  Point m_lastCursor{};
};

// The application object, or null.
CWinApp* AfxGetApp();

// Brings up the toolkit and runs the application object: InitInstance, then
// Run. Qt's own arguments (-platform, -geometry, ...) are taken first.
int AfxWinMain(int argc, char** argv);

// On a running toolkit: InitInstance, then Run, then the main window's end;
// the result is the exit code.
int RunApplication(CWinApp& app);
