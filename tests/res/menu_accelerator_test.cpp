// Menu 128 and accelerator table 128: exact texts and commands, and the ties
// between them (hints name a real accelerator, every command has a prompt).

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/core/resource_registry.h"
#include "platform/core/standard_ids.h"
#include "res/resource.h"

namespace {

std::string KeyName(VirtualKey key) {
  switch (key) {
    case VirtualKey::Back: return "Backspace";
    case VirtualKey::Insert: return "Insert";
    case VirtualKey::Delete: return "Delete";
    case VirtualKey::F6: return "F6";
  }
  return std::string(1, static_cast<char>(key));
}

std::string AcceleratorText(const Accelerator& a) {
  return std::string(a.ctrl ? "Ctrl+" : "") + (a.alt ? "Alt+" : "") + (a.shift ? "Shift+" : "") + KeyName(a.key);
}

const MenuResource& MainMenu() {
  const MenuResource* menu = FindMenu(IDR_MAINFRAME);
  EXPECT_NE(menu, nullptr);
  return *menu;
}

const AcceleratorTable& MainKeys() {
  const AcceleratorTable* table = FindAcceleratorTable(IDR_MAINFRAME);
  EXPECT_NE(table, nullptr);
  return *table;
}

TEST(MainMenu, HasTheFourDropDownsWithExactItems) {
  struct Expected { std::string popup; std::vector<std::pair<std::string, unsigned>> items; };
  const std::vector<Expected> expected = {
      {"&File", {{"&New\tCtrl+N", 57600}, {"&Open...\tCtrl+O", 57601}, {"&Save\tCtrl+S", 57603},
                 {"Save &As...", 57604}, {"", 0}, {"E&xit", 57665}}},
      {"&Edit", {{"&Undo\tCtrl+Z", 57643}, {"", 0}, {"Cu&t\tCtrl+X", 57635}, {"&Copy\tCtrl+C", 57634},
                 {"&Paste\tCtrl+V", 57637}}},
      {"&View", {{"&Toolbar", 59392}, {"&Status Bar", 59393}}},
      {"&Help", {{"&About korTalwind...", 57664}}},
  };
  const MenuResource& menu = MainMenu();
  ASSERT_EQ(menu.popups.size(), expected.size());
  for (std::size_t p = 0; p < expected.size(); ++p) {
    EXPECT_STREQ(menu.popups[p].text, expected[p].popup.c_str());
    ASSERT_EQ(menu.popups[p].items.size(), expected[p].items.size()) << expected[p].popup;
    for (std::size_t i = 0; i < expected[p].items.size(); ++i) {
      const MenuItem& item = menu.popups[p].items[i];
      const auto& [text, command] = expected[p].items[i];
      EXPECT_EQ(item.IsSeparator(), text.empty()) << expected[p].popup << " item " << i;
      if (!item.IsSeparator()) {
        EXPECT_EQ(item.text, text);
        EXPECT_EQ(item.command, command) << text;
      }
    }
  }
}

TEST(MainMenu, EveryCommandHasAStatusPromptAndMnemonicsDoNotClash) {
  for (const MenuPopup& popup : MainMenu().popups) {
    std::set<char> mnemonics;
    for (const MenuItem& item : popup.items) {
      if (item.IsSeparator()) continue;
      const char* prompt = LoadResourceString(item.command);
      ASSERT_NE(prompt, nullptr) << item.text;
      EXPECT_NE(std::string(prompt).find('\n'), 0u) << "empty status-bar part for " << item.text;
      const std::string text = item.text;
      const std::size_t amp = text.find('&');
      ASSERT_NE(amp, std::string::npos) << text;
      EXPECT_TRUE(mnemonics.insert(static_cast<char>(std::toupper(text[amp + 1]))).second)
          << popup.text << " repeats the mnemonic of " << text;
    }
  }
}

TEST(MainMenu, AcceleratorHintsNameARealAcceleratorOfTheSameCommand) {
  int hints = 0;
  for (const MenuPopup& popup : MainMenu().popups) {
    for (const MenuItem& item : popup.items) {
      if (item.IsSeparator()) continue;
      const std::string text = item.text;
      const std::size_t tab = text.find('\t');
      if (tab == std::string::npos) continue;
      ++hints;
      const std::string hint = text.substr(tab + 1);
      bool found = false;
      for (const Accelerator& a : MainKeys().entries) {
        found = found || (a.command == item.command && AcceleratorText(a) == hint);
      }
      EXPECT_TRUE(found) << "no accelerator " << hint << " for " << text;
    }
  }
  EXPECT_EQ(hints, 7);
}

TEST(MainKeys, AreTheThirteenListedKeysEachBoundOnce) {
  const std::vector<std::pair<std::string, unsigned>> expected = {
      {"Ctrl+N", ID_FILE_NEW},       {"Ctrl+O", ID_FILE_OPEN},      {"Ctrl+S", ID_FILE_SAVE},
      {"Ctrl+Z", ID_EDIT_UNDO},      {"Ctrl+X", ID_EDIT_CUT},       {"Ctrl+C", ID_EDIT_COPY},
      {"Ctrl+V", ID_EDIT_PASTE},     {"Alt+Backspace", ID_EDIT_UNDO}, {"Shift+Delete", ID_EDIT_CUT},
      {"Ctrl+Insert", ID_EDIT_COPY}, {"Shift+Insert", ID_EDIT_PASTE}, {"F6", ID_NEXT_PANE},
      {"Shift+F6", ID_PREV_PANE},
  };
  const auto entries = MainKeys().entries;
  ASSERT_EQ(entries.size(), expected.size());
  std::set<std::tuple<unsigned, bool, bool, bool>> seen;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(AcceleratorText(entries[i]), expected[i].first);
    EXPECT_EQ(entries[i].command, expected[i].second) << expected[i].first;
    EXPECT_NE(LoadResourceString(entries[i].command), nullptr) << expected[i].first;
    EXPECT_TRUE(seen.insert({static_cast<unsigned>(entries[i].key), entries[i].ctrl, entries[i].shift,
                             entries[i].alt}).second)
        << expected[i].first << " is bound twice";
  }
  EXPECT_EQ(static_cast<unsigned>(KeyOf('N')), 0x4Eu);
  EXPECT_EQ(static_cast<unsigned>(VirtualKey::F6), 0x75u);
}

TEST(Lookups, UnknownMenuAndAcceleratorIdsGiveNothing) {
  EXPECT_EQ(FindMenu(0), nullptr);
  EXPECT_EQ(FindMenu(IDR_KORTALTYPE), nullptr);
  EXPECT_EQ(FindAcceleratorTable(IDD_ABOUTBOX), nullptr);
  EXPECT_EQ(FindAcceleratorTable(0xFFFFFFFFu), nullptr);
}

}  // namespace
