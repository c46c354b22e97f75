// The page's timers and menu items, reached through the port and the game's page script (gamePage).
#include "common/web/page_window.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, set_timer, (int id, int interval), { gamePort.setTimer(id, interval > 0, interval); });
EM_JS(void, set_menu_check, (int item, int checked), { gamePage.menus.setChecked(item, checked !== 0); });
// clang-format on

}  // namespace

namespace common::web {

void SetPageTimer(int id, int intervalMilliseconds) { set_timer(id, intervalMilliseconds); }

void SetMenuCheck(int item, bool checked) { set_menu_check(item, checked ? 1 : 0); }

}  // namespace common::web
