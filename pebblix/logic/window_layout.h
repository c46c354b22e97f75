// frmMain as it is created: its size, its controls' places in twips, their captions and font, for every window to build from.
#pragma once

#include "common/twips_layout.h"

namespace pebblix {

using common::Layout;

inline constexpr Layout kTxtWord{1200, 1200, 3015, 390};
inline constexpr Layout kLblWord{120, 1200, 1215, 495};
inline constexpr Layout kTxtGuess{1200, 1800, 3015, 390};
inline constexpr Layout kCmdEnter{1560, 2280, 1215, 495};
inline constexpr int kClientWidth = 4680;
inline constexpr int kClientHeight = 3195;

inline constexpr const char* kFontFace = "Arial";
inline constexpr int kFontPoints = 12;

inline constexpr const char* kWordLabel = "&Word:";
inline constexpr const char* kCheckCaption = "&Check it!";
// What screen readers call txtWord: the "&Word:" label names txtGuess, the box its access key
// leads to, and leaves txtWord without a name of its own.
inline constexpr const char* kWordBoxName = "Given word:";

}  // namespace pebblix
