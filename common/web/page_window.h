// What every game's window asks of its page beyond its own controls: the timers and the menu items' captions and check marks.
#pragma once

#include <string>

namespace common::web {

// Starts the page's timer with this id afresh, posting a Timer event every interval; an interval
// of 0 stops it.
void SetPageTimer(int id, int intervalMilliseconds);
// The caption of a menu item of the game's page, "&" before its access key, as UTF-8.
void SetMenuCaption(int item, const std::string& caption);
void SetMenuCheck(int item, bool checked);

}  // namespace common::web
