// The "&Time Allowed" submenu of both games on Linux: four radio items, one checked, each pick handed to the game.
#pragma once

#include <QObject>

#include <array>
#include <functional>

#include "common/time_allowed.h"

class QAction;
class QActionGroup;
class QMenu;

namespace common::qt {

class TimeAllowedMenu final : public QObject {
public:
    // Adds the submenu at the end of the menu; picked runs for every item chosen, the checked one
    // included.
    TimeAllowedMenu(QMenu& menu, std::function<void(TimeAllowedSetting)> picked);

    // Checks the setting's item; the group clears the other three.
    void SetChecked(TimeAllowedSetting setting);

private:
    QActionGroup* group_;
    std::array<QAction*, kTimeAllowedSettings.size()> items_{};
};

}  // namespace common::qt
