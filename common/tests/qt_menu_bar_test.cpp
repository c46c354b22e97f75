// The Linux menu bar is the command table's: each game's menus, access keys, shortcuts and check marks as Qt shows them, and every item running its own id.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <memory>

#include "common/qt/menu_bar.h"
#include "common/qt/qt_text.h"
#include "common/testing/menu_table_checks.h"
#include "pebblix/logic/game_commands.h"
#include "scrambolo/window/game_commands.h"

namespace common::qt {
namespace {

using common::testing::ShownEntry;

class QtMenuBarTest : public ::testing::TestWithParam<const std::vector<MenuEntry>*> {
protected:
    static void SetUpTestSuite() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "qt_menu_bar_test";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
    }
    static void TearDownTestSuite() { application_.reset(); }

    static inline std::unique_ptr<QApplication> application_;
};

ShortcutKey ShortcutOf(const QAction& action) {
    if (action.shortcut() == QKeySequence(Qt::Key_F1)) {
        return ShortcutKey::F1;
    }
    if (action.shortcut() == QKeySequence(Qt::CTRL | Qt::Key_N)) {
        return ShortcutKey::CtrlN;
    }
    EXPECT_TRUE(action.shortcut().isEmpty()) << action.shortcut().toString().toStdString();
    return ShortcutKey::None;
}

void Read(const QList<QAction*>& actions, int depth, std::vector<ShownEntry>& shown, std::vector<QAction*>& items) {
    for (QAction* action : actions) {
        const bool radio = action->actionGroup() != nullptr &&
                           action->actionGroup()->exclusionPolicy() == QActionGroup::ExclusionPolicy::Exclusive;
        shown.push_back({depth, ToGameText(action->text()), action->menu() != nullptr, ShortcutOf(*action),
                         action->isCheckable(), radio, action->isChecked()});
        if (action->menu() != nullptr) {
            Read(action->menu()->actions(), depth + 1, shown, items);
        } else {
            items.push_back(action);
        }
    }
}

TEST_P(QtMenuBarTest, ShowsTheTableAndRunsEachItemByItsId) {
    const std::vector<MenuEntry>& entries = *GetParam();
    QMainWindow window;
    std::vector<int> picked;
    auto* menus = new MenuBar(*window.menuBar(), entries, [&picked](int id) { picked.push_back(id); });

    std::vector<ShownEntry> shown;
    std::vector<QAction*> items;
    Read(window.menuBar()->actions(), 0, shown, items);
    EXPECT_EQ(shown, common::testing::ExpectedShown(entries));

    for (QAction* item : items) {
        item->trigger();
    }
    EXPECT_EQ(picked, common::testing::ItemIdsShown(entries));

    // The game's check marks stand, whatever the item's own toggle did.
    for (const MenuEntry& entry : entries) {
        if (entry.kind != CommandKind::Submenu && entry.kind != CommandKind::Item) {
            menus->SetChecked(entry.id, entry.kind != CommandKind::RadioItem);
        }
    }
    shown.clear();
    items.clear();
    Read(window.menuBar()->actions(), 0, shown, items);
    for (const ShownEntry& entry : shown) {
        EXPECT_EQ(entry.checked, entry.checkable && !entry.radio) << entry.caption;
    }
}

const std::vector<MenuEntry> kScrambolo = scrambolo::Commands().Entries();
const std::vector<MenuEntry> kPebblix = pebblix::Commands().Entries();
INSTANTIATE_TEST_SUITE_P(BothGames, QtMenuBarTest, ::testing::Values(&kScrambolo, &kPebblix),
                         [](const auto& game) { return game.param == &kScrambolo ? "Scrambolo" : "Pebblix"; });

}  // namespace
}  // namespace common::qt
