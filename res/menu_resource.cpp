#include "platform/core/standard_ids.h"
#include "res/program_resources.h"
#include "res/resource.h"

namespace {

constexpr MenuItem kSeparator{};

constexpr MenuItem kFileItems[] = {
    {"&New\tCtrl+N", ID_FILE_NEW},
    {"&Open...\tCtrl+O", ID_FILE_OPEN},
    {"&Save\tCtrl+S", ID_FILE_SAVE},
    {"Save &As...", ID_FILE_SAVE_AS},
    kSeparator,
    {"E&xit", ID_APP_EXIT},
};

constexpr MenuItem kEditItems[] = {
    {"&Undo\tCtrl+Z", ID_EDIT_UNDO},
    kSeparator,
    {"Cu&t\tCtrl+X", ID_EDIT_CUT},
    {"&Copy\tCtrl+C", ID_EDIT_COPY},
    {"&Paste\tCtrl+V", ID_EDIT_PASTE},
};

constexpr MenuItem kViewItems[] = {
    {"&Toolbar", ID_VIEW_TOOLBAR},
    {"&Status Bar", ID_VIEW_STATUS_BAR},
};

constexpr MenuItem kHelpItems[] = {
    {"&About korTalwind...", ID_APP_ABOUT},
};

constexpr MenuPopup kMainFramePopups[] = {
    {"&File", kFileItems},
    {"&Edit", kEditItems},
    {"&View", kViewItems},
    {"&Help", kHelpItems},
};

constexpr MenuResource kMenus[] = {
    {IDR_MAINFRAME, kMainFramePopups},
};

}  // namespace

std::span<const MenuResource> ProgramMenus() { return kMenus; }
