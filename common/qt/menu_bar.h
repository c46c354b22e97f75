// A game's menu bar on Linux, built from its command table: Qt menus and actions with their access keys, shortcuts and check marks.
#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <vector>

#include "common/command_table.h"

class QAction;
class QMenuBar;

namespace common::qt {

class MenuBar final : public QObject {
public:
    // Fills the menu bar with the entries; every item picked, a checked one included, runs
    // picked with its id. The radio items of a submenu form one group, of which one stays checked;
    // the other check marks are the game's to set, whatever Qt's own toggle did.
    MenuBar(QMenuBar& bar, const std::vector<MenuEntry>& entries, std::function<void(int id)> picked);

    void SetChecked(int id, bool checked);

private:
    std::map<int, QAction*> items_;
};

}  // namespace common::qt
