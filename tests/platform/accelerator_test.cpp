// Accelerator table 128 on a frame: every key of the table reaches its
// command through the routing, and a disabled command's key does nothing.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QShortcut>
#include <QTest>
#include <vector>

#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/shell/frame_wnd.h"
#include "platform/window/cmd_ui.h"
#include "platform/window/command_actions.h"
#include "platform/window/wnd_state.h"
#include "res/resource.h"

namespace {

class RecordingFrame : public CFrameWnd {
 public:
  std::vector<UINT> commands;
  bool pasteEnabled = true;

  void OnAnyCommand(UINT id) { commands.push_back(id); }
  void OnUpdatePaste(CCmdUI* ui) { ui->Enable(pasteEnabled); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingFrame, CFrameWnd)
  ON_COMMAND_RANGE(ID_FILE_NEW, ID_PREV_PANE, OnAnyCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
END_MESSAGE_MAP()

struct KeyCase {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  UINT command;
};

// The table as a user types it.
const std::vector<KeyCase> kTable = {
    {Qt::Key_N, Qt::ControlModifier, ID_FILE_NEW},     {Qt::Key_O, Qt::ControlModifier, ID_FILE_OPEN},
    {Qt::Key_S, Qt::ControlModifier, ID_FILE_SAVE},    {Qt::Key_Z, Qt::ControlModifier, ID_EDIT_UNDO},
    {Qt::Key_X, Qt::ControlModifier, ID_EDIT_CUT},     {Qt::Key_C, Qt::ControlModifier, ID_EDIT_COPY},
    {Qt::Key_V, Qt::ControlModifier, ID_EDIT_PASTE},   {Qt::Key_Backspace, Qt::AltModifier, ID_EDIT_UNDO},
    {Qt::Key_Delete, Qt::ShiftModifier, ID_EDIT_CUT},  {Qt::Key_Insert, Qt::ControlModifier, ID_EDIT_COPY},
    {Qt::Key_Insert, Qt::ShiftModifier, ID_EDIT_PASTE}, {Qt::Key_F6, Qt::NoModifier, ID_NEXT_PANE},
    {Qt::Key_F6, Qt::ShiftModifier, ID_PREV_PANE},
};

class AcceleratorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new RecordingFrame;  // deletes itself when destroyed
    ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
    frame->ActivateFrame();
    window = qobject_cast<QMainWindow*>(WidgetOf(frame));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  void TearDown() override {
    if (frame->m_hWnd != nullptr) frame->DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  RecordingFrame* frame = nullptr;
  QMainWindow* window = nullptr;
};

TEST_F(AcceleratorTest, TheFrameHasOneShortcutPerEntryWithTheKeysOfTheTable) {
  const AcceleratorTable* table = FindAcceleratorTable(IDR_MAINFRAME);
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->entries.size(), kTable.size());
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    const QKeySequence expected(QKeyCombination(kTable[i].modifiers, kTable[i].key));
    EXPECT_EQ(AcceleratorKeySequence(table->entries[i]), expected) << expected.toString().toStdString();
    EXPECT_EQ(table->entries[i].command, kTable[i].command) << i;
  }
  EXPECT_EQ(window->findChildren<QShortcut*>().size(), qsizetype(kTable.size()));
}

TEST_F(AcceleratorTest, EachKeySendsItsCommand) {
  for (const KeyCase& entry : kTable) {
    frame->commands.clear();
    QTest::keyClick(window, entry.key, entry.modifiers);
    EXPECT_EQ(frame->commands, std::vector<UINT>{entry.command})
        << QKeySequence(QKeyCombination(entry.modifiers, entry.key)).toString().toStdString();
  }
}

TEST_F(AcceleratorTest, AKeyOfADisabledCommandDoesNothing) {
  frame->pasteEnabled = false;
  QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(window, Qt::Key_Insert, Qt::ShiftModifier);
  QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(frame->commands, std::vector<UINT>{ID_EDIT_COPY});
}

}  // namespace
