// The page's words for the command table's kinds of entry and shortcut keys.
#include "common/web/page_menu_terms.h"

namespace common::web {

// What a screen reader is told each entry is: a submenu stands as a menu on the bar or a group
// inside its menu; a check mark of which the game keeps one set reads as a radio item.
const char* PageRole(CommandKind kind) {
    switch (kind) {
        case CommandKind::Submenu:
            return "menu";
        case CommandKind::Item:
            return "menuitem";
        case CommandKind::CheckItem:
            return "menuitemcheckbox";
        case CommandKind::ChoiceItem:
        case CommandKind::RadioItem:
            return "menuitemradio";
    }
    return "menuitem";
}

// The key a browser leaves to the page for each shortcut: it keeps Ctrl+N for a new window, so
// that item takes F2 there.
const char* PageShortcut(ShortcutKey key) {
    switch (key) {
        case ShortcutKey::F1:
            return "F1";
        case ShortcutKey::CtrlN:
            return "F2";
        case ShortcutKey::None:
            break;
    }
    return "";
}

}  // namespace common::web
