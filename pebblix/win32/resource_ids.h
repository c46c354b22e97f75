/* Ids of the hidden-word program's timer and controls; the menu items' ids are the command table's
   (pebblix/logic/game_commands.h), clear of these and of IDOK (1) and IDCANCEL (2). */
#pragma once

/* The timer tmrWord, the round. */
#define IDT_TMR_WORD 300

/* Controls of the main window, in tab order. */
#define IDC_LBL_WORD_NAME 1000
#define IDC_TXT_WORD 1001
#define IDC_LBL_WORD 1002
#define IDC_TXT_GUESS 1003
#define IDC_CMD_ENTER 1004
