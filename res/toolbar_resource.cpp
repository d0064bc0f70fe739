#include "res/toolbar_resource.h"

#include "res/resource.h"

namespace {

constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;

constexpr unsigned kMainFrameButtons[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_SEPARATOR,
    ID_FILE_PRINT, ID_APP_ABOUT,
};

constexpr ToolBarResource kToolBars[] = {
    {IDR_MAINFRAME, kButtonWidth, kButtonHeight, kMainFrameButtons},
};

}  // namespace

const ToolBarResource* FindToolBar(unsigned id) {
  for (const ToolBarResource& toolBar : kToolBars) {
    if (toolBar.id == id) return &toolBar;
  }
  return nullptr;
}
