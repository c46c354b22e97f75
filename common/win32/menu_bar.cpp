// Builds the Win32 menus and accelerator table of a command table, and sets their check marks.
#include "common/win32/menu_bar.h"

#include <map>
#include <string>

namespace common::win32 {
namespace {

// The shortcut as the menu shows it after the caption.
const char* ShortcutName(ShortcutKey key) {
    switch (key) {
        case ShortcutKey::F1:
            return "F1";
        case ShortcutKey::CtrlN:
            return "Ctrl+N";
        case ShortcutKey::None:
            break;
    }
    return "";
}

void AppendEntry(HMENU menu, const MenuEntry& entry, HMENU submenu) {
    std::string caption = entry.caption;
    if (entry.shortcut != ShortcutKey::None) {
        caption = caption + "\t" + ShortcutName(entry.shortcut);
    }
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE | (submenu != nullptr ? MIIM_SUBMENU : MIIM_ID);
    item.fType = MFT_STRING | (entry.kind == CommandKind::RadioItem ? MFT_RADIOCHECK : 0);
    item.fState = entry.checkedAtCreation ? MFS_CHECKED : MFS_UNCHECKED;
    item.wID = static_cast<UINT>(entry.id);
    item.hSubMenu = submenu;
    item.dwTypeData = caption.data();
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

}  // namespace

HMENU BuildMenuBar(const std::vector<MenuEntry>& entries) {
    std::map<int, HMENU> menus{{kMenuBar, CreateMenu()}};
    for (const MenuEntry& entry : entries) {
        const auto parent = menus.find(entry.menu);
        if (parent == menus.end()) {
            continue;
        }
        HMENU submenu = nullptr;
        if (entry.kind == CommandKind::Submenu) {
            submenu = CreatePopupMenu();
            menus[entry.id] = submenu;
        }
        AppendEntry(parent->second, entry, submenu);
    }
    return menus[kMenuBar];
}

HACCEL BuildAccelerators(const std::vector<MenuEntry>& entries) {
    std::vector<ACCEL> keys;
    for (const MenuEntry& entry : entries) {
        if (entry.shortcut == ShortcutKey::F1) {
            keys.push_back({static_cast<BYTE>(FVIRTKEY), VK_F1, static_cast<WORD>(entry.id)});
        } else if (entry.shortcut == ShortcutKey::CtrlN) {
            keys.push_back({static_cast<BYTE>(FVIRTKEY | FCONTROL), 'N', static_cast<WORD>(entry.id)});
        }
    }
    return keys.empty() ? nullptr : CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

void SetMenuCheck(HWND window, int id, bool checked) {
    if (window != nullptr) {
        CheckMenuItem(GetMenu(window), static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

}  // namespace common::win32
