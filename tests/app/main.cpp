// One QApplication at a time for the whole run: windows need it. A test may
// replace it with a fresh one, as a process that makes a second one would.
// Each test starts with no quit message waiting: the main window a test
// leaves behind posts one when it goes, and a pending quit cancels dialogs.
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

#include "platform/core/message_loop.h"
#include "res/program_resources.h"

namespace {
int argCount = 0;
char** args = nullptr;
std::unique_ptr<QApplication> application;

class TakeLeftOverQuit : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    if (IsQuitPosted()) GetAndDispatchMessage(nullptr);
  }
};
}  // namespace

void ReplaceApplication() {
  application.reset();
  application = std::make_unique<QApplication>(argCount, args);
  QApplication::setQuitOnLastWindowClosed(false);
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new TakeLeftOverQuit);
  argCount = argc;
  args = argv;
  ReplaceApplication();
  AfxSetResourceTables(ProgramResources());  // as the program's application object does
  const int status = RUN_ALL_TESTS();
  application.reset();
  return status;
}
