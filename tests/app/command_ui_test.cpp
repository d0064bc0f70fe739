// The shell as a user meets it after the first idle moment: which menu items
// and toolbar buttons are enabled, the View items' check marks and what they
// show and hide, prompts and "Ready" in the message pane, the lock-key
// panes, tool tips and the caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <map>
#include <set>

#include "app/kor_talwind_app.h"
#include "platform/core/standard_ids.h"
#include "platform/shell/document.h"
#include "platform/shell/frame_wnd.h"
#include "platform/window/cmd_ui.h"
#include "platform/window/command_actions.h"
#include "platform/window/key_indicators.h"
#include "platform/window/message_box.h"
#include "platform/window/wnd_state.h"
#include "scene/scene_store.h"

namespace {

const std::set<UINT> kEnabledInMenus = {ID_FILE_NEW,     ID_FILE_OPEN,       ID_FILE_SAVE, ID_FILE_SAVE_AS,
                                        ID_APP_EXIT,     ID_VIEW_TOOLBAR,    ID_VIEW_STATUS_BAR, ID_APP_ABOUT};
const std::set<UINT> kDisabledInMenus = {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};

class CommandUiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScene();
    SetMessageBoxHandler([](const std::string&, UINT) { return int(IDOK); });
    ASSERT_TRUE(app.InitInstance());
    frame = static_cast<CFrameWnd*>(app.m_pMainWnd);
    window = qobject_cast<QMainWindow*>(WidgetOf(frame));
    ASSERT_NE(window, nullptr);
    toolBar = window->findChild<QToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    app.OnIdle(0);
  }
  void TearDown() override {
    SetKeyIndicatorSource({});
    if (app.m_pMainWnd != nullptr) app.m_pMainWnd->DestroyWindow();
    app.AddDocTemplate(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetMessageBoxHandler({});
  }

  std::map<UINT, QAction*> MenuItems() const {
    std::map<UINT, QAction*> items;
    for (QAction* top : window->menuBar()->actions()) {
      for (QAction* action : top->menu()->actions()) {
        if (!action->isSeparator()) items[CommandIdOf(action)] = action;
      }
    }
    return items;
  }
  std::map<UINT, QAction*> Buttons() const {
    std::map<UINT, QAction*> buttons;
    for (QAction* action : toolBar->actions()) {
      if (!action->isSeparator()) buttons[CommandIdOf(action)] = action;
    }
    return buttons;
  }
  QString MessagePane() const {
    return window->statusBar()->findChild<QLabel*>(QStringLiteral("pane0"))->text();
  }
  QString Pane(int index) const {
    return window->statusBar()->findChild<QLabel*>(QStringLiteral("pane%1").arg(index))->text();
  }

  CKorTalwindApp app;
  CFrameWnd* frame = nullptr;
  QMainWindow* window = nullptr;
  QToolBar* toolBar = nullptr;
};

TEST_F(CommandUiTest, CommandsNothingHandlesAreDisabledInMenusAndOnTheToolbar) {
  const auto items = MenuItems();
  ASSERT_EQ(items.size(), kEnabledInMenus.size() + kDisabledInMenus.size());
  for (const auto& [id, action] : items) {
    EXPECT_EQ(action->isEnabled(), kEnabledInMenus.count(id) == 1) << action->text().toStdString();
  }
  const std::map<UINT, bool> expectedButtons = {
      {ID_FILE_NEW, true},    {ID_FILE_OPEN, true},   {ID_FILE_SAVE, true},    {ID_EDIT_CUT, false},
      {ID_EDIT_COPY, false},  {ID_EDIT_PASTE, false}, {ID_FILE_PRINT, false},  {ID_APP_ABOUT, true}};
  std::map<UINT, bool> buttons;
  for (const auto& [id, action] : Buttons()) buttons[id] = action->isEnabled();
  EXPECT_EQ(buttons, expectedButtons);
  // Keys of commands outside the menus follow the same rule.
  EXPECT_FALSE(IsCommandEnabled(frame, ID_NEXT_PANE));
  EXPECT_FALSE(IsCommandEnabled(frame, ID_PREV_PANE));
}

TEST_F(CommandUiTest, AMenuBringsItsItemsUpToDateAsItOpens) {
  QAction* undo = MenuItems().at(ID_EDIT_UNDO);
  undo->setEnabled(true);  // as if left over from an earlier state
  auto* edit = qobject_cast<QMenu*>(undo->parent());
  ASSERT_NE(edit, nullptr);
  edit->popup(QPoint(0, 0));
  EXPECT_FALSE(undo->isEnabled());
  edit->hide();
}

TEST_F(CommandUiTest, ViewItemsCarryCheckMarksAndShowAndHideTheBars) {
  QAction* toolbarItem = MenuItems().at(ID_VIEW_TOOLBAR);
  QAction* statusItem = MenuItems().at(ID_VIEW_STATUS_BAR);
  EXPECT_TRUE(toolbarItem->isChecked());
  EXPECT_TRUE(statusItem->isChecked());

  frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  app.OnIdle(0);
  EXPECT_TRUE(toolBar->isHidden());
  EXPECT_FALSE(toolbarItem->isChecked());
  EXPECT_TRUE(statusItem->isChecked());

  statusItem->trigger();  // chosen from the menu
  app.OnIdle(0);
  EXPECT_TRUE(window->statusBar()->isHidden());
  EXPECT_FALSE(statusItem->isChecked());

  frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
  frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
  app.OnIdle(0);
  EXPECT_FALSE(toolBar->isHidden());
  EXPECT_FALSE(window->statusBar()->isHidden());
  EXPECT_TRUE(toolbarItem->isChecked());
  EXPECT_TRUE(statusItem->isChecked());
}

TEST_F(CommandUiTest, TheToolbarDocksOnAnySideAndFloatsWithToolTipsFromThePrompts) {
  EXPECT_EQ(window->toolBarArea(toolBar), Qt::TopToolBarArea);
  EXPECT_EQ(toolBar->allowedAreas(), Qt::AllToolBarAreas);
  EXPECT_TRUE(toolBar->isMovable());
  EXPECT_TRUE(toolBar->isFloatable());
  window->addToolBar(Qt::LeftToolBarArea, toolBar);
  EXPECT_EQ(window->toolBarArea(toolBar), Qt::LeftToolBarArea);

  const std::map<UINT, QString> tips = {
      {ID_FILE_NEW, "New"},     {ID_FILE_OPEN, "Open"},   {ID_FILE_SAVE, "Save"},   {ID_EDIT_CUT, "Cut"},
      {ID_EDIT_COPY, "Copy"},   {ID_EDIT_PASTE, "Paste"}, {ID_FILE_PRINT, QString()}, {ID_APP_ABOUT, "About"}};
  for (const auto& [id, action] : Buttons()) EXPECT_EQ(action->toolTip(), tips.at(id)) << id;
}

TEST_F(CommandUiTest, HoveringAButtonShowsItsPromptThenReady) {
  EXPECT_EQ(MessagePane(), QStringLiteral("Ready"));
  auto* open = qobject_cast<QToolButton*>(toolBar->widgetForAction(Buttons().at(ID_FILE_OPEN)));
  ASSERT_NE(open, nullptr);
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(open, &enter);
  EXPECT_EQ(MessagePane(), QStringLiteral("Open an existing document"));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(open, &leave);
  EXPECT_EQ(MessagePane(), QStringLiteral("Ready"));

  // A disabled button still explains itself.
  auto* cut = toolBar->widgetForAction(Buttons().at(ID_EDIT_CUT));
  QApplication::sendEvent(cut, &enter);
  EXPECT_EQ(MessagePane(), QStringLiteral("Cut the selection and put it on the Clipboard"));
}

TEST_F(CommandUiTest, HighlightingAMenuItemShowsItsPromptAndClosingTheMenuShowsReady) {
  QAction* saveAs = MenuItems().at(ID_FILE_SAVE_AS);
  auto* file = qobject_cast<QMenu*>(saveAs->parent());
  ASSERT_NE(file, nullptr);
  window->menuBar()->setActiveAction(file->menuAction());  // opened from the menu bar, as a user does
  ASSERT_TRUE(file->isVisible());
  for (int i = 0; i < 4; ++i) {  // New, Open, Save, Save As
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(file, &down);
  }
  ASSERT_EQ(file->activeAction(), saveAs);
  EXPECT_EQ(MessagePane(), QStringLiteral("Save the active document with a new name"));
  file->hide();
  EXPECT_EQ(MessagePane(), QStringLiteral("Ready"));
}

TEST_F(CommandUiTest, LockKeyPanesShowTheirTextOnlyWhileTheKeyIsOn) {
  // No keyboard state on the offscreen platform: all three blank.
  EXPECT_EQ(Pane(1), QString());
  EXPECT_EQ(Pane(2), QString());
  EXPECT_EQ(Pane(3), QString());
  SetKeyIndicatorSource([] { return KeyIndicators{true, false, true}; });
  app.OnIdle(0);
  EXPECT_EQ(Pane(1), QStringLiteral("CAP"));
  EXPECT_EQ(Pane(2), QString());
  EXPECT_EQ(Pane(3), QStringLiteral("SCRL"));
  SetKeyIndicatorSource([] { return KeyIndicators{false, true, false}; });
  app.OnIdle(0);
  EXPECT_EQ(Pane(1), QString());
  EXPECT_EQ(Pane(2), QStringLiteral("NUM"));
  EXPECT_EQ(Pane(3), QString());
}

TEST_F(CommandUiTest, CaptionIsTheDocumentTitleThenTheProgramName) {
  EXPECT_EQ(frame->GetWindowText(), "Untitled - korTalwind");
  CDocument* doc = frame->GetActiveDocument();
  ASSERT_NE(doc, nullptr);
  doc->SetTitle("city.ktl");
  EXPECT_EQ(frame->GetWindowText(), "city.ktl - korTalwind");
  frame->SendMessage(WM_COMMAND, ID_FILE_NEW);
  EXPECT_EQ(frame->GetWindowText(), "Untitled - korTalwind");
}

}  // namespace
