/* Ids of the anagram program's timer and controls; the menu items' ids are the command table's
   (scrambolo/window/game_commands.h), clear of these and of IDOK (1) and IDCANCEL (2). */
#pragma once

/* The timer Timer1, the clock. */
#define IDT_TIMER1 300

/* Controls of the main window: the letter buttons 0 to 6, then the clock label. */
#define IDC_BUTTON_ARRAY 1000
#define IDC_LBL_TIME 1010

/* Controls of the hint window; its Close button is the cancel button, so Esc presses it. */
#define IDC_TEXT1 1100
#define IDC_HINT_NAME 1101
#define IDC_CMD_CLOSE 2
