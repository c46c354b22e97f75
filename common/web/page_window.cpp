// The page's timers and menu items, reached through the port and the game's page script (gamePage).
#include "common/web/page_window.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, set_timer, (int id, int interval), { gamePort.setTimer(id, interval > 0, interval); });
EM_JS(void, set_menu_caption, (int item, const char* caption), {
    gamePage.setMenuCaption(item, UTF8ToString(caption));
});
EM_JS(void, set_menu_check, (int item, int checked), { gamePage.setMenuCheck(item, checked !== 0); });
// clang-format on

}  // namespace

namespace common::web {

void SetPageTimer(int id, int intervalMilliseconds) { set_timer(id, intervalMilliseconds); }

void SetMenuCaption(int item, const std::string& caption) { set_menu_caption(item, caption.c_str()); }

void SetMenuCheck(int item, bool checked) { set_menu_check(item, checked ? 1 : 0); }

}  // namespace common::web
