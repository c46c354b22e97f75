// Builds the Qt menus and actions of a command table and sets their check marks.
#include "common/qt/menu_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "common/qt/qt_text.h"

namespace common::qt {
namespace {

QKeySequence Shortcut(ShortcutKey key) {
    switch (key) {
        case ShortcutKey::F1:
            return QKeySequence(Qt::Key_F1);
        case ShortcutKey::CtrlN:
            return QKeySequence(Qt::CTRL | Qt::Key_N);
        case ShortcutKey::None:
            break;
    }
    return {};
}

}  // namespace

MenuBar::MenuBar(QMenuBar& bar, const std::vector<MenuEntry>& entries, std::function<void(int id)> picked)
    : QObject(&bar) {
    std::map<int, QMenu*> menus;
    std::map<int, QActionGroup*> radioGroups;
    for (const MenuEntry& entry : entries) {
        const QString caption = FromGameText(entry.caption);
        const auto parent = menus.find(entry.menu);
        if (entry.kind == CommandKind::Submenu) {
            menus[entry.id] = entry.menu == kMenuBar  ? bar.addMenu(caption)
                              : parent != menus.end() ? parent->second->addMenu(caption)
                                                      : nullptr;
            continue;
        }
        if (parent == menus.end() || parent->second == nullptr) {
            continue;
        }
        QAction* item = parent->second->addAction(caption);
        item->setShortcut(Shortcut(entry.shortcut));
        item->setCheckable(entry.kind != CommandKind::Item);
        item->setChecked(entry.checkedAtCreation);
        if (entry.kind == CommandKind::RadioItem) {
            QActionGroup*& group = radioGroups[entry.menu];
            if (group == nullptr) {
                group = new QActionGroup(this);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
            }
            group->addAction(item);
        }
        connect(item, &QAction::triggered, this, [picked, id = entry.id] { picked(id); });
        items_[entry.id] = item;
    }
}

void MenuBar::SetChecked(int id, bool checked) {
    if (const auto item = items_.find(id); item != items_.end()) {
        item->second->setChecked(checked);
    }
}

}  // namespace common::qt
