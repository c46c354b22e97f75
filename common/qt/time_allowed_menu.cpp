// Builds the time submenu as an exclusive group of checkable actions and passes each pick on.
#include "common/qt/time_allowed_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace common::qt {

TimeAllowedMenu::TimeAllowedMenu(QMenu& menu, std::function<void(TimeAllowedSetting)> picked)
    : QObject(&menu), group_(new QActionGroup(this)) {
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    QMenu* submenu = menu.addMenu(kTimeAllowedMenuCaption);
    for (std::size_t index = 0; index < items_.size(); ++index) {
        const TimeAllowedSetting setting = kTimeAllowedSettings[index];
        QAction* item = submenu->addAction(TimeAllowedItemCaption(setting));
        item->setCheckable(true);
        group_->addAction(item);
        connect(item, &QAction::triggered, this, [picked, setting] { picked(setting); });
        items_[index] = item;
    }
}

void TimeAllowedMenu::SetChecked(TimeAllowedSetting setting) {
    items_.at(static_cast<std::size_t>(setting))->setChecked(true);
}

}  // namespace common::qt
