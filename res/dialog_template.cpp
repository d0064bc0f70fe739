#include "platform/core/standard_ids.h"
#include "res/program_resources.h"
#include "res/resource.h"
#include "res/version_info.h"

namespace {

constexpr DialogControl kAboutControls[] = {
    {.kind = DialogControlKind::icon, .iconId = IDR_MAINFRAME, .id = IDC_STATIC,
     .rect = {11, 17, 20, 20}},
    {.kind = DialogControlKind::staticText, .text = kAboutVersionLine, .id = IDC_STATIC,
     .rect = {40, 10, 119, 8}, .noPrefix = true},
    {.kind = DialogControlKind::staticText, .text = kCopyrightLine, .id = IDC_STATIC,
     .rect = {40, 25, 119, 8}},
    {.kind = DialogControlKind::pushButton, .text = "OK", .id = IDOK,
     .rect = {178, 7, 32, 14}, .defaultButton = true, .group = true},
};

constexpr DialogTemplate kDialogs[] = {
    {.id = IDD_ABOUTBOX,
     .caption = "About korTalwind",
     .rect = {0, 0, 217, 55},
     .popup = true,
     .modalFrame = true,
     .hasCaption = true,
     .systemMenu = true,
     .fontName = "MS Sans Serif",
     .fontPointSize = 8,
     .controls = kAboutControls},
};

}  // namespace

std::span<const DialogTemplate> ProgramDialogs() { return kDialogs; }
