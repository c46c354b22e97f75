// Hands the command table's entries to the page's menu bar, translated into the page's roles and keys.
#include "common/web/page_menus.h"

#include <emscripten.h>

#include "common/game_text.h"
#include "common/web/page_menu_terms.h"

namespace {

// clang-format off
EM_JS(void, add_menu_entry, (int id, int menu, const char* caption, const char* role, const char* shortcut,
                             int checked), {
    gamePage.menus.add(id, menu, UTF8ToString(caption), UTF8ToString(role), UTF8ToString(shortcut), checked !== 0);
});
// clang-format on

}  // namespace

namespace common::web {

void BuildPageMenus(const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        add_menu_entry(entry.id, entry.menu, Utf8FromGameText(entry.caption).c_str(), PageRole(entry.kind),
                       PageShortcut(entry.shortcut), entry.checkedAtCreation ? 1 : 0);
    }
}

}  // namespace common::web
