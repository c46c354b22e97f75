/* Ids of the hidden-word program's resources, menu items, timer and controls, shared by the .rc file and the code. */
#pragma once

/* Resources: 100 and up. */
#define IDR_MAIN_MENU 100
#define IDR_ACCELERATORS 101

/* Menu items: 200 and up, clear of IDOK (1) and IDCANCEL (2), which the dialog keys send. */
#define IDM_FILE_NEW 200
#define IDM_FILE_EXIT 201
#define IDM_OPTIONS_SOUNDS 210
/* Options, Time Allowed: Standard, Twice, Five Times and Ten Times As Long, in menu order. */
#define IDM_TIME_STANDARD 230
#define IDM_TIME_TWICE 231
#define IDM_TIME_FIVE_TIMES 232
#define IDM_TIME_TEN_TIMES 233
#define IDM_HELP_CONTENTS 220
#define IDM_HELP_VISIT 221
#define IDM_HELP_ABOUT 222

/* The timer tmrWord, the round. */
#define IDT_TMR_WORD 300

/* Controls of the main window, in tab order. */
#define IDC_LBL_WORD_NAME 1000
#define IDC_TXT_WORD 1001
#define IDC_LBL_WORD 1002
#define IDC_TXT_GUESS 1003
#define IDC_CMD_ENTER 1004
