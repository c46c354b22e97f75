// What every game's window asks of its page beyond its own controls: the timers and the menu items' check marks.
#pragma once

namespace common::web {

// Starts the page's timer with this id afresh, posting a Timer event every interval; an interval
// of 0 stops it.
void SetPageTimer(int id, int intervalMilliseconds);
void SetMenuCheck(int item, bool checked);

}  // namespace common::web
