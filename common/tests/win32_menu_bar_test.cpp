// The Windows menu bar is the command table's: each game's menus, access keys, shortcuts and check marks as Windows holds them, and every item sending its own id.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/testing/menu_table_checks.h"
#include "common/win32/menu_bar.h"
#include "pebblix/logic/game_commands.h"
#include "scrambolo/window/game_commands.h"

namespace common::win32 {
namespace {

using common::testing::ShownEntry;

ShortcutKey ShortcutNamed(const std::string& name) {
    if (name == "F1") {
        return ShortcutKey::F1;
    }
    if (name == "Ctrl+N") {
        return ShortcutKey::CtrlN;
    }
    EXPECT_EQ(name, "");
    return ShortcutKey::None;
}

// Reads the menu back as a player meets it; the items' ids in the same order.
void Read(HMENU menu, int depth, std::vector<ShownEntry>& shown, std::vector<int>& ids) {
    for (int at = 0; at < GetMenuItemCount(menu); ++at) {
        char text[256] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        item.dwTypeData = text;
        item.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(at), TRUE, &item));
        std::string caption = text;
        std::string shortcut;
        if (const std::size_t tab = caption.find('\t'); tab != std::string::npos) {
            shortcut = caption.substr(tab + 1);
            caption.resize(tab);
        }
        const bool submenu = item.hSubMenu != nullptr;
        // Every item of a Windows menu can carry a check mark; the table's items without one never get it.
        shown.push_back({depth, caption, submenu, ShortcutNamed(shortcut), false, (item.fType & MFT_RADIOCHECK) != 0,
                         (item.fState & MFS_CHECKED) != 0});
        if (submenu) {
            Read(item.hSubMenu, depth + 1, shown, ids);
        } else {
            ids.push_back(static_cast<int>(item.wID));
        }
    }
}

class Win32MenuBarTest : public ::testing::TestWithParam<const std::vector<MenuEntry>*> {};

TEST_P(Win32MenuBarTest, HoldsTheTableAndItsShortcuts) {
    const std::vector<MenuEntry>& entries = *GetParam();
    HWND window = CreateWindowExA(0, "STATIC", "menus", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, BuildMenuBar(entries),
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);

    std::vector<ShownEntry> shown;
    std::vector<int> ids;
    Read(GetMenu(window), 0, shown, ids);
    std::vector<ShownEntry> expected = common::testing::ExpectedShown(entries);
    for (ShownEntry& entry : expected) {
        entry.checkable = false;
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(ids, common::testing::ItemIdsShown(entries));

    // Each shortcut key sends its item's id.
    HACCEL accelerators = BuildAccelerators(entries);
    std::vector<ACCEL> keys(16);
    keys.resize(static_cast<std::size_t>(CopyAcceleratorTableA(accelerators, keys.data(), 16)));
    for (const MenuEntry& entry : entries) {
        if (entry.shortcut == ShortcutKey::None) {
            continue;
        }
        const WORD key = entry.shortcut == ShortcutKey::F1 ? VK_F1 : 'N';
        const BYTE flags = static_cast<BYTE>(FVIRTKEY | (entry.shortcut == ShortcutKey::CtrlN ? FCONTROL : 0));
        const bool found = std::any_of(keys.begin(), keys.end(), [&](const ACCEL& accel) {
            return accel.key == key && (accel.fVirt & ~FNOINVERT) == flags && accel.cmd == entry.id;
        });
        EXPECT_TRUE(found) << entry.caption;
    }
    EXPECT_EQ(keys.size(),
              static_cast<std::size_t>(std::count_if(
                  entries.begin(), entries.end(), [](const MenuEntry& e) { return e.shortcut != ShortcutKey::None; })));
    DestroyAcceleratorTable(accelerators);

    // The game's check marks land on the items it names.
    for (const int id : ids) {
        SetMenuCheck(window, id, true);
        EXPECT_EQ(GetMenuState(GetMenu(window), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED,
                  static_cast<UINT>(MF_CHECKED));
        SetMenuCheck(window, id, false);
        EXPECT_EQ(GetMenuState(GetMenu(window), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED, 0u);
    }
    DestroyWindow(window);
}

const std::vector<MenuEntry> kScrambolo = scrambolo::Commands().Entries();
const std::vector<MenuEntry> kPebblix = pebblix::Commands().Entries();
INSTANTIATE_TEST_SUITE_P(BothGames, Win32MenuBarTest, ::testing::Values(&kScrambolo, &kPebblix),
                         [](const auto& game) { return game.param == &kScrambolo ? "Scrambolo" : "Pebblix"; });

}  // namespace
}  // namespace common::win32
