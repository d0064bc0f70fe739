// The framework finds a program's resources only in what the program
// registered: another program's one-item menu becomes the frame's menu bar,
// and whatever is missing is said once on stderr and left out, never a crash.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <string>

#include "platform/core/resource_pictures.h"
#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/shell/frame_wnd.h"
#include "platform/window/dialog.h"
#include "platform/window/wnd_state.h"
#include "res/program_resources.h"
#include "res/resource.h"

namespace {

constexpr unsigned kOtherFrame = 7;
constexpr MenuItem kGameItems[] = {{"&Quit", ID_APP_EXIT}};
constexpr MenuPopup kOtherPopups[] = {{"&Game", kGameItems}};
constexpr MenuResource kOtherMenus[] = {{kOtherFrame, kOtherPopups}};
constexpr StringEntry kOtherStrings[] = {{kOtherFrame, kOtherFrame, "Other"}};

class OtherProgramResources : public ::testing::Test {
 protected:
  void SetUp() override {
    ResourceTables other;
    other.strings = kOtherStrings;
    other.menus = kOtherMenus;
    AfxSetResourceTables(other);
  }
  void TearDown() override {
    AfxSetResourceTables(ProgramResources());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST_F(OtherProgramResources, AFrameTakesTheRegisteredMenuAndGoesWithoutWhatIsMissing) {
  auto* frame = new CFrameWnd;  // deletes itself when destroyed
  testing::internal::CaptureStderr();
  ASSERT_TRUE(frame->LoadFrame(kOtherFrame));
  const std::string said = testing::internal::GetCapturedStderr();
  auto* window = qobject_cast<QMainWindow*>(WidgetOf(frame));
  ASSERT_NE(window, nullptr);
  const QList<QAction*> popups = window->menuBar()->actions();
  ASSERT_EQ(popups.size(), 1);
  EXPECT_EQ(popups[0]->text(), QStringLiteral("&Game"));
  ASSERT_EQ(popups[0]->menu()->actions().size(), 1);
  EXPECT_EQ(popups[0]->menu()->actions()[0]->text(), QStringLiteral("&Quit"));
  EXPECT_EQ(Count(said, "there is no accelerator table 7 among the program's resources\n"), 1u) << said;
  EXPECT_EQ(Count(said, "there is no icon 7 among"), 1u) << said;
  EXPECT_EQ(Count(said, "there is no"), 2u) << said;
  frame->DestroyWindow();
}

TEST_F(OtherProgramResources, AMissingResourceIsSaidOnceAndGivesNothing) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(FindMenu(IDR_MAINFRAME), nullptr);
  EXPECT_EQ(FindMenu(IDR_MAINFRAME), nullptr);
  EXPECT_EQ(LoadResourceString(AFX_IDS_IDLEMESSAGE), nullptr);
  EXPECT_EQ(FindPromptString(ID_FILE_NEW), nullptr);  // commands need no prompt: nothing said
  EXPECT_FALSE(LoadBitmapResource(IDR_MAINFRAME).image);
  CDialog about(IDD_ABOUTBOX);
  EXPECT_EQ(about.DoModal(), -1);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(Count(said, "there is no menu 128 among"), 1u) << said;
  EXPECT_EQ(Count(said, "there is no string 57345 among"), 1u) << said;
  EXPECT_EQ(Count(said, "there is no bitmap 128 among"), 1u) << said;
  EXPECT_EQ(Count(said, "there is no dialog 100 among"), 1u) << said;
  EXPECT_EQ(Count(said, "there is no"), 4u) << said;
}

}  // namespace
