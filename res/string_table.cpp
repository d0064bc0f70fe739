#include "platform/core/standard_ids.h"
#include "res/program_resources.h"
#include "res/resource.h"

namespace {

constexpr StringEntry One(unsigned id, const char* text) { return {id, id, text}; }

constexpr StringEntry kStrings[] = {
    One(IDP_SOCKETS_INIT_FAILED, "Windows sockets initialization failed."),
    One(IDR_MAINFRAME, "korTalwind\n\nKorTal\n\n\nKorTalwind.Document\nKorTal Document"),
    One(AFX_IDS_APP_TITLE, "korTalwind"),
    One(AFX_IDS_IDLEMESSAGE, "Ready"),

    One(ID_INDICATOR_EXT, "EXT"),
    One(ID_INDICATOR_CAPS, "CAP"),
    One(ID_INDICATOR_NUM, "NUM"),
    One(ID_INDICATOR_SCRL, "SCRL"),
    One(ID_INDICATOR_OVR, "OVR"),
    One(ID_INDICATOR_REC, "REC"),

    One(ID_FILE_NEW, "Create a new document\nNew"),
    One(ID_FILE_OPEN, "Open an existing document\nOpen"),
    One(ID_FILE_CLOSE, "Close the active document\nClose"),
    One(ID_FILE_SAVE, "Save the active document\nSave"),
    One(ID_FILE_SAVE_AS, "Save the active document with a new name\nSave As"),
    {ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, "Open this document"},
    One(ID_EDIT_CLEAR, "Erase the selection\nErase"),
    One(ID_EDIT_CLEAR_ALL, "Erase everything\nErase All"),
    One(ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"),
    One(ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut"),
    One(ID_EDIT_FIND, "Find the specified text\nFind"),
    One(ID_EDIT_PASTE, "Insert Clipboard contents\nPaste"),
    One(ID_EDIT_REPEAT, "Repeat the last action\nRepeat"),
    One(ID_EDIT_REPLACE, "Replace specific text with different text\nReplace"),
    One(ID_EDIT_SELECT_ALL, "Select the entire document\nSelect All"),
    One(ID_EDIT_UNDO, "Undo the last action\nUndo"),
    One(ID_EDIT_REDO, "Redo the previously undone action\nRedo"),
    One(ID_WINDOW_SPLIT, "Split the active window into panes\nSplit"),
    One(ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"),
    One(ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"),
    One(ID_NEXT_PANE, "Switch to the next window pane\nNext Pane"),
    One(ID_PREV_PANE, "Switch back to the previous window pane\nPrevious Pane"),
    One(ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"),
    One(ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"),

    One(AFX_IDS_SCSIZE, "Change the window size"),
    One(AFX_IDS_SCMOVE, "Change the window position"),
    One(AFX_IDS_SCMINIMIZE, "Reduce the window to an icon"),
    One(AFX_IDS_SCMAXIMIZE, "Enlarge the window to full size"),
    One(AFX_IDS_SCNEXTWINDOW, "Switch to the next document window"),
    One(AFX_IDS_SCPREVWINDOW, "Switch to the previous document window"),
    One(AFX_IDS_SCCLOSE, "Close the active window and prompts to save the documents"),
    One(AFX_IDS_SCRESTORE, "Restore the window to normal size"),
    One(AFX_IDS_SCTASKLIST, "Activate Task List"),
};

}  // namespace

std::span<const StringEntry> ProgramStrings() { return kStrings; }
