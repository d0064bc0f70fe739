#pragma once
// The framework's standard ids: the commands it routes and handles itself,
// its control bars, status-bar indicators and the strings it shows. A
// program's menus, accelerators, toolbars and string table use these numbers
// so that they agree with what the framework does; a program numbers its own
// resources and commands apart from them.

// Dialog results and the "no id" of static controls.
inline constexpr int IDC_STATIC = -1;
inline constexpr unsigned IDOK = 1;
inline constexpr unsigned IDCANCEL = 2;

// Marks a separator in a toolbar and the message pane of the status bar.
inline constexpr unsigned ID_SEPARATOR = 0;

// File commands.
inline constexpr unsigned ID_FILE_NEW = 57600;
inline constexpr unsigned ID_FILE_OPEN = 57601;
inline constexpr unsigned ID_FILE_CLOSE = 57602;
inline constexpr unsigned ID_FILE_SAVE = 57603;
inline constexpr unsigned ID_FILE_SAVE_AS = 57604;
inline constexpr unsigned ID_FILE_PRINT = 57607;
inline constexpr unsigned ID_FILE_MRU_FILE1 = 57616;
inline constexpr unsigned ID_FILE_MRU_FILE16 = 57631;

// Edit commands.
inline constexpr unsigned ID_EDIT_CLEAR = 57632;
inline constexpr unsigned ID_EDIT_CLEAR_ALL = 57633;
inline constexpr unsigned ID_EDIT_COPY = 57634;
inline constexpr unsigned ID_EDIT_CUT = 57635;
inline constexpr unsigned ID_EDIT_FIND = 57636;
inline constexpr unsigned ID_EDIT_PASTE = 57637;
inline constexpr unsigned ID_EDIT_REPEAT = 57640;
inline constexpr unsigned ID_EDIT_REPLACE = 57641;
inline constexpr unsigned ID_EDIT_SELECT_ALL = 57642;
inline constexpr unsigned ID_EDIT_UNDO = 57643;
inline constexpr unsigned ID_EDIT_REDO = 57644;

// Window, application and pane commands.
inline constexpr unsigned ID_WINDOW_SPLIT = 57653;
inline constexpr unsigned ID_APP_ABOUT = 57664;
inline constexpr unsigned ID_APP_EXIT = 57665;
inline constexpr unsigned ID_NEXT_PANE = 57680;
inline constexpr unsigned ID_PREV_PANE = 57681;

// Control bars; the View commands toggle the bar with the same id.
inline constexpr unsigned AFX_IDW_TOOLBAR = 59392;
inline constexpr unsigned AFX_IDW_STATUS_BAR = 59393;
inline constexpr unsigned ID_VIEW_TOOLBAR = AFX_IDW_TOOLBAR;
inline constexpr unsigned ID_VIEW_STATUS_BAR = AFX_IDW_STATUS_BAR;

// Status-bar indicators; each is also the id of the indicator's text.
inline constexpr unsigned ID_INDICATOR_EXT = 59136;
inline constexpr unsigned ID_INDICATOR_CAPS = 59137;
inline constexpr unsigned ID_INDICATOR_NUM = 59138;
inline constexpr unsigned ID_INDICATOR_SCRL = 59139;
inline constexpr unsigned ID_INDICATOR_OVR = 59140;
inline constexpr unsigned ID_INDICATOR_REC = 59141;

// Strings the framework shows: the application's title and the idle text
// of the status bar's message pane.
inline constexpr unsigned AFX_IDS_APP_TITLE = 57344;
inline constexpr unsigned AFX_IDS_IDLEMESSAGE = 57345;

// Prompts of the system menu's commands.
inline constexpr unsigned AFX_IDS_SCSIZE = 61184;
inline constexpr unsigned AFX_IDS_SCMOVE = 61185;
inline constexpr unsigned AFX_IDS_SCMINIMIZE = 61186;
inline constexpr unsigned AFX_IDS_SCMAXIMIZE = 61187;
inline constexpr unsigned AFX_IDS_SCNEXTWINDOW = 61188;
inline constexpr unsigned AFX_IDS_SCPREVWINDOW = 61189;
inline constexpr unsigned AFX_IDS_SCCLOSE = 61190;
inline constexpr unsigned AFX_IDS_SCRESTORE = 61202;
inline constexpr unsigned AFX_IDS_SCTASKLIST = 61203;
