#include "platform/core/standard_ids.h"
#include "res/program_resources.h"
#include "res/resource.h"

namespace {

constexpr unsigned kMainFrameButtons[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_SEPARATOR,
    ID_FILE_PRINT, ID_APP_ABOUT,
};

constexpr ToolBarResource kToolBars[] = {
    {IDR_MAINFRAME, kToolBarButtonWidth, kToolBarButtonHeight, kMainFrameButtons},
};

}  // namespace

std::span<const ToolBarResource> ProgramToolBars() { return kToolBars; }
