// frmMain and frmCheat as they are created: their sizes, their controls' places in twips, captions and fonts, for every window to build from.
#pragma once

#include "common/twips_layout.h"

namespace scrambolo {

using common::Layout;

inline constexpr const char* kFontFace = "Arial";

// frmMain; its client area, below the menu bar, before Form_Load sets the width for the row.
inline constexpr const char* kMainCaption = "Scrambolo!";
inline constexpr int kMainClientWidth = 9480;
inline constexpr int kMainClientHeight = 3195;

// ButtonArray: button 0, the hidden swap buffer, has a place of its own; buttons 1 to 6 wait in
// the corner until Form_Load lays out the row.
inline constexpr Layout kButton0{100, 1400, 1215, 495};
inline constexpr Layout kLetterButton{0, 0, 1215, 495};
inline constexpr const char* kButtonCaption = "Command1";
inline constexpr double kButtonFontPoints = 18;

// lblTime, the clock.
inline constexpr Layout kLblTime{4200, 1320, 1215, 495};
inline constexpr const char* kLblTimeCaption = "Label1";
inline constexpr double kLblTimeFontPoints = 9.75;

// frmCheat, the hint window.
inline constexpr const char* kHintWindowCaption = "Cheat";
inline constexpr int kHintClientWidth = 4680;
inline constexpr int kHintClientHeight = 3195;

// Text1, the pattern; screen readers call it by this name, as no label stands before it.
inline constexpr Layout kText1{50, 1320, 1215, 495};
inline constexpr const char* kText1Caption = "Text1";
inline constexpr double kText1FontPoints = 14.25;
inline constexpr const char* kHintBoxName = "Hint:";

// cmdClose, the window's cancel button.
inline constexpr Layout kCmdClose{3000, 1320, 1215, 495};
inline constexpr const char* kCmdCloseCaption = "&Close";
inline constexpr double kCmdCloseFontPoints = 12;

}  // namespace scrambolo
