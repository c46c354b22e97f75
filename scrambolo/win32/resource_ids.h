/* Ids of the anagram program's resources, menu items, timer and controls, shared by the .rc file and the code. */
#pragma once

/* Resources: 100 and up. */
#define IDR_MAIN_MENU 100
#define IDR_ACCELERATORS 101

/* Menu items: 200 and up, clear of IDOK (1) and IDCANCEL (2), which the dialog keys send. */
#define IDM_FILE_EXIT 200
#define IDM_OPTIONS_34 210
#define IDM_OPTIONS_45 211
#define IDM_OPTIONS_56 212
#define IDM_OPTIONS_6 213
#define IDM_OPTIONS_ALL_RANGES 214
/* Options, Time Allowed: Standard, Twice, Five Times and Ten Times As Long, in menu order. */
#define IDM_TIME_STANDARD 230
#define IDM_TIME_TWICE 231
#define IDM_TIME_FIVE_TIMES 232
#define IDM_TIME_TEN_TIMES 233
#define IDM_HELP_CONTENTS 220
#define IDM_HELP_WEB 221
#define IDM_HELP_ABOUT 222

/* The timer Timer1, the clock. */
#define IDT_TIMER1 300

/* Controls of the main window: the letter buttons 0 to 6, then the clock label. */
#define IDC_BUTTON_ARRAY 1000
#define IDC_LBL_TIME 1010

/* Controls of the hint window; its Close button is the cancel button, so Esc presses it. */
#define IDC_TEXT1 1100
#define IDC_HINT_NAME 1101
#define IDC_CMD_CLOSE 2
