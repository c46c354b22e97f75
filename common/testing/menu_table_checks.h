// What every edition's menus must hold of a game's command table, for the tests of the table and of each kit's menu builder.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/command_table.h"

namespace common::testing {

// The table is one every kit can build: ids used once, positive and clear of IDOK and IDCANCEL (1
// and 2) and of the windows' controls (1000 and up); each entry in a submenu listed before it;
// each menu's access keys told apart within it; shortcuts on items only, each key once.
inline void ExpectBuildableMenus(const std::vector<MenuEntry>& entries) {
    std::set<int> ids;
    std::set<int> menus{kMenuBar};
    std::map<int, std::set<char>> accessKeys;
    std::set<ShortcutKey> shortcuts;
    for (const MenuEntry& entry : entries) {
        SCOPED_TRACE(entry.caption);
        EXPECT_TRUE(ids.insert(entry.id).second) << "id used twice";
        EXPECT_GT(entry.id, 2);
        EXPECT_LT(entry.id, 1000);
        EXPECT_TRUE(menus.count(entry.menu) == 1) << "sits in a menu not yet listed";
        const std::size_t amp = entry.caption.find('&');
        ASSERT_NE(amp, std::string::npos) << "no access key";
        ASSERT_LT(amp + 1, entry.caption.size());
        const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(entry.caption[amp + 1])));
        EXPECT_TRUE(accessKeys[entry.menu].insert(key).second) << "access key shared in its menu";
        if (entry.kind == CommandKind::Submenu) {
            menus.insert(entry.id);
            EXPECT_EQ(entry.shortcut, ShortcutKey::None);
        } else if (entry.shortcut != ShortcutKey::None) {
            EXPECT_TRUE(shortcuts.insert(entry.shortcut).second) << "shortcut used twice";
        }
        EXPECT_TRUE(!entry.checkedAtCreation || entry.kind == CommandKind::CheckItem);
    }
}

// One entry as a kit's menus show it, in the order a player meets them: each menu's entries in
// turn, a submenu's right after it, deeper by one.
struct ShownEntry {
    int depth = 0;
    std::string caption;  // with its access key's "&", as the kit holds it
    bool submenu = false;
    ShortcutKey shortcut = ShortcutKey::None;
    bool checkable = false;
    bool radio = false;
    bool checked = false;

    bool operator==(const ShownEntry&) const = default;
};

inline void PrintTo(const ShownEntry& entry, std::ostream* out) {
    *out << std::string(static_cast<std::size_t>(entry.depth) * 2, ' ') << entry.caption << (entry.submenu ? " >" : "")
         << " shortcut " << static_cast<int>(entry.shortcut) << (entry.checkable ? " checkable" : "")
         << (entry.radio ? " radio" : "") << (entry.checked ? " checked" : "");
}

// What the kits must show of the table. Check items and choice items both have a check mark of
// their own; the radio items of a submenu are one group.
inline std::vector<ShownEntry> ExpectedShown(const std::vector<MenuEntry>& entries, int menu = kMenuBar,
                                             int depth = 0) {
    std::vector<ShownEntry> shown;
    for (const MenuEntry& entry : entries) {
        if (entry.menu != menu) {
            continue;
        }
        const bool submenu = entry.kind == CommandKind::Submenu;
        shown.push_back({depth, entry.caption, submenu, entry.shortcut, !submenu && entry.kind != CommandKind::Item,
                         entry.kind == CommandKind::RadioItem, entry.checkedAtCreation});
        if (submenu) {
            const std::vector<ShownEntry> inner = ExpectedShown(entries, entry.id, depth + 1);
            shown.insert(shown.end(), inner.begin(), inner.end());
        }
    }
    return shown;
}

// The ids of the table's items, in the order ExpectedShown lists them (submenus left out).
inline std::vector<int> ItemIdsShown(const std::vector<MenuEntry>& entries, int menu = kMenuBar) {
    std::vector<int> ids;
    for (const MenuEntry& entry : entries) {
        if (entry.menu != menu) {
            continue;
        }
        if (entry.kind == CommandKind::Submenu) {
            const std::vector<int> inner = ItemIdsShown(entries, entry.id);
            ids.insert(ids.end(), inner.begin(), inner.end());
        } else {
            ids.push_back(entry.id);
        }
    }
    return ids;
}

}  // namespace common::testing
