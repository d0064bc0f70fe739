#include "platform/core/standard_ids.h"
#include "res/program_resources.h"
#include "res/resource.h"

namespace {

constexpr Accelerator Ctrl(VirtualKey key, unsigned command) { return {key, true, false, false, command}; }
constexpr Accelerator Shift(VirtualKey key, unsigned command) { return {key, false, true, false, command}; }
constexpr Accelerator Alt(VirtualKey key, unsigned command) { return {key, false, false, true, command}; }
constexpr Accelerator Plain(VirtualKey key, unsigned command) { return {key, false, false, false, command}; }

constexpr Accelerator kMainFrameKeys[] = {
    Ctrl(KeyOf('N'), ID_FILE_NEW),
    Ctrl(KeyOf('O'), ID_FILE_OPEN),
    Ctrl(KeyOf('S'), ID_FILE_SAVE),
    Ctrl(KeyOf('Z'), ID_EDIT_UNDO),
    Ctrl(KeyOf('X'), ID_EDIT_CUT),
    Ctrl(KeyOf('C'), ID_EDIT_COPY),
    Ctrl(KeyOf('V'), ID_EDIT_PASTE),
    Alt(VirtualKey::Back, ID_EDIT_UNDO),
    Shift(VirtualKey::Delete, ID_EDIT_CUT),
    Ctrl(VirtualKey::Insert, ID_EDIT_COPY),
    Shift(VirtualKey::Insert, ID_EDIT_PASTE),
    Plain(VirtualKey::F6, ID_NEXT_PANE),
    Shift(VirtualKey::F6, ID_PREV_PANE),
};

constexpr AcceleratorTable kTables[] = {
    {IDR_MAINFRAME, kMainFrameKeys},
};

}  // namespace

std::span<const AcceleratorTable> ProgramAccelerators() { return kTables; }
