// The hidden-word game's menu tree: captions, access keys, kinds, the Ctrl+N and F1 shortcuts and the handler of each item.
#include "pebblix/logic/game_commands.h"

#include "common/time_allowed_commands.h"
#include "pebblix/logic/game.h"
#include "pebblix/logic/reports.h"

namespace pebblix {

using common::CommandKind;
using common::kMenuBar;
using common::ShortcutKey;
using Table = common::CommandTable<Game>;

const Table& Commands() {
    using namespace command;
    static const Table table{
        {
            {{kFileMenu, kMenuBar, "&File", CommandKind::Submenu}, nullptr},
            {{kFileNew, kFileMenu, "&New Game", CommandKind::Item, ShortcutKey::CtrlN}, &Game::mnuFileNew_Click},
            {{kFileExit, kFileMenu, "e&xit"}, &Game::mnuFileExit_Click},
            {{kOptionsMenu, kMenuBar, "&Options", CommandKind::Submenu}, nullptr},
            {{kOptionsSounds, kOptionsMenu, "&Sounds", CommandKind::CheckItem, ShortcutKey::None, true},
             &Game::mnuOptionsSounds_Click},
        },
        common::TimeAllowedCommands<Game>(kOptionsMenu),
        {
            {{kHelpMenu, kMenuBar, "&Help", CommandKind::Submenu}, nullptr},
            {{kHelpContents, kHelpMenu, "&Contents", CommandKind::Item, ShortcutKey::F1}, &Game::mnuHelpContents_Click},
            {{kHelpVisit, kHelpMenu, VisitMenuCaption()}, &Game::mnuHelpVisit_Click},
            {{kHelpAbout, kHelpMenu, "&About Pebblix..."}, &Game::mnuHelpAbout_Click},
        },
    };
    return table;
}

}  // namespace pebblix
