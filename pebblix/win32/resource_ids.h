// Ids of the main window's controls, menu items, accelerators and timer, shared with pebblix.rc.
#pragma once

// Controls; every id stays clear of IDOK (1) and IDCANCEL (2), which the dialog keys send.
#define ID_TXT_WORD 101
#define ID_LBL_WORD 102
#define ID_TXT_GUESS 103
#define ID_CMD_ENTER 104
#define ID_LBL_WORD_NAME 105

// Menu items.
#define IDM_FILE_NEW 201
#define IDM_FILE_EXIT 202
#define IDM_OPTIONS_SOUNDS 211
#define IDM_HELP_CONTENTS 221
#define IDM_HELP_VISIT 222
#define IDM_HELP_ABOUT 223

// Resources.
#define IDR_MAIN_MENU 401
#define IDR_ACCELERATORS 402

// The round timer tmrWord.
#define ID_TMR_WORD 301
