// The string table: every listed entry with its exact text, the shared
// recent-file prompt, the document template's fields and absent ids.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "platform/shell/doc_string_field.h"
#include "res/resource.h"

namespace {

TEST(StringTable, HoldsEveryListedEntryExactly) {
  const std::vector<std::pair<unsigned, std::string>> expected = {
      {104, "Windows sockets initialization failed."},
      {128, "korTalwind\n\nKorTal\n\n\nKorTalwind.Document\nKorTal Document"},
      {57344, "korTalwind"},
      {57345, "Ready"},
      {59136, "EXT"}, {59137, "CAP"}, {59138, "NUM"}, {59139, "SCRL"}, {59140, "OVR"}, {59141, "REC"},
      {57600, "Create a new document\nNew"},
      {57601, "Open an existing document\nOpen"},
      {57602, "Close the active document\nClose"},
      {57603, "Save the active document\nSave"},
      {57604, "Save the active document with a new name\nSave As"},
      {57632, "Erase the selection\nErase"},
      {57633, "Erase everything\nErase All"},
      {57634, "Copy the selection and put it on the Clipboard\nCopy"},
      {57635, "Cut the selection and put it on the Clipboard\nCut"},
      {57636, "Find the specified text\nFind"},
      {57637, "Insert Clipboard contents\nPaste"},
      {57640, "Repeat the last action\nRepeat"},
      {57641, "Replace specific text with different text\nReplace"},
      {57642, "Select the entire document\nSelect All"},
      {57643, "Undo the last action\nUndo"},
      {57644, "Redo the previously undone action\nRedo"},
      {57653, "Split the active window into panes\nSplit"},
      {57664, "Display program information, version number and copyright\nAbout"},
      {57665, "Quit the application; prompts to save documents\nExit"},
      {57680, "Switch to the next window pane\nNext Pane"},
      {57681, "Switch back to the previous window pane\nPrevious Pane"},
      {59392, "Show or hide the toolbar\nToggle ToolBar"},
      {59393, "Show or hide the status bar\nToggle StatusBar"},
      {61184, "Change the window size"},
      {61185, "Change the window position"},
      {61186, "Reduce the window to an icon"},
      {61187, "Enlarge the window to full size"},
      {61188, "Switch to the next document window"},
      {61189, "Switch to the previous document window"},
      {61190, "Close the active window and prompts to save the documents"},
      {61202, "Restore the window to normal size"},
      {61203, "Activate Task List"},
  };
  for (const auto& [id, text] : expected) {
    const char* found = LoadResourceString(id);
    ASSERT_NE(found, nullptr) << id;
    EXPECT_EQ(found, text) << id;
  }
}

TEST(StringTable, SixteenRecentFileSlotsShareOnePromptAndNoMore) {
  for (unsigned id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE16; ++id) {
    ASSERT_NE(LoadResourceString(id), nullptr) << id;
    EXPECT_STREQ(LoadResourceString(id), "Open this document") << id;
  }
  EXPECT_EQ(ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1, 16u);
  EXPECT_EQ(LoadResourceString(ID_FILE_MRU_FILE1 - 1), nullptr);
  EXPECT_STRNE(LoadResourceString(ID_FILE_MRU_FILE16 + 1), "Open this document");
}

TEST(StringTable, AbsentIdsGiveNull) {
  for (unsigned id : {0u, 1u, IDD_ABOUTBOX, IDR_KORTALTYPE, 57605u, ID_FILE_PRINT, 57645u, 59142u, 65535u}) {
    EXPECT_EQ(LoadResourceString(id), nullptr) << id;
  }
}

TEST(DocumentTemplateString, SplitsIntoItsSevenFields) {
  const char* text = LoadResourceString(IDR_MAINFRAME);
  ASSERT_NE(text, nullptr);
  const std::string_view s = text;
  EXPECT_EQ(std::count(s.begin(), s.end(), '\n'), kDocStringFieldCount - 1);
  EXPECT_EQ(DocStringField(s, DocStringIndex::windowTitle), "korTalwind");
  EXPECT_EQ(DocStringField(s, DocStringIndex::docName), "");
  EXPECT_EQ(DocStringField(s, DocStringIndex::fileNewName), "KorTal");
  EXPECT_EQ(DocStringField(s, DocStringIndex::filterName), "");
  EXPECT_EQ(DocStringField(s, DocStringIndex::filterExt), "");
  EXPECT_EQ(DocStringField(s, DocStringIndex::regFileTypeId), "KorTalwind.Document");
  EXPECT_EQ(DocStringField(s, DocStringIndex::regFileTypeName), "KorTal Document");
  EXPECT_EQ(DocStringField(s, DocStringIndex::windowTitle), LoadResourceString(AFX_IDS_APP_TITLE));
}

TEST(DocumentTemplateString, ShortStringsGiveEmptyFields) {
  EXPECT_EQ(DocStringField("", DocStringIndex::windowTitle), "");
  EXPECT_EQ(DocStringField("Title", DocStringIndex::windowTitle), "Title");
  EXPECT_EQ(DocStringField("Title", DocStringIndex::docName), "");
  EXPECT_EQ(DocStringField("a\nb", DocStringIndex::regFileTypeName), "");
  EXPECT_EQ(DocStringField("a\nb\n", DocStringIndex::fileNewName), "");
}

}  // namespace
