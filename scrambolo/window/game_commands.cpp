// The anagram game's menu tree: captions, access keys, kinds, the F1 shortcut and the handler of each item.
#include "scrambolo/window/game_commands.h"

#include "common/time_allowed_commands.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_texts.h"

namespace scrambolo {

using common::CommandKind;
using common::kMenuBar;
using common::ShortcutKey;
using Table = common::CommandTable<Game>;

const Table& Commands() {
    using namespace command;
    static const Table table{
        {
            {{kFileMenu, kMenuBar, "&File", CommandKind::Submenu}, nullptr},
            {{kFileExit, kFileMenu, "E&xit"}, &Game::mnuFileExit_Click},
            {{kOptionsMenu, kMenuBar, "&Options", CommandKind::Submenu}, nullptr},
            {{kNumberOfLettersMenu, kOptionsMenu, "&Number Of Letters", CommandKind::Submenu}, nullptr},
            {{kOptions34, kNumberOfLettersMenu, "&3 To 4 Letters", CommandKind::ChoiceItem}, &Game::mnuOptions34_Click},
            {{kOptions45, kNumberOfLettersMenu, "&4 To 5 Letters", CommandKind::ChoiceItem}, &Game::mnuOptions45_Click},
            {{kOptions56, kNumberOfLettersMenu, "&5 To 6 Letters", CommandKind::ChoiceItem}, &Game::mnuOptions56_Click},
            {{kOptions6, kNumberOfLettersMenu, "&6 Letters Only", CommandKind::ChoiceItem}, &Game::mnuOptions6_Click},
            {{kOptionsAllRanges, kNumberOfLettersMenu, "&All Ranges", CommandKind::ChoiceItem},
             &Game::mnuOptionsAllRanges_Click},
        },
        common::TimeAllowedCommands<Game>(kOptionsMenu),
        {
            {{kHelpMenu, kMenuBar, "&Help", CommandKind::Submenu}, nullptr},
            {{kHelpContents, kHelpMenu, "&Contents", CommandKind::Item, ShortcutKey::F1}, &Game::mnuHelpContents_Click},
            {{kHelpWeb, kHelpMenu, WebMenuCaption()}, &Game::mnuHelpWeb_Click},
            {{kHelpAbout, kHelpMenu, "&About Scrambolo..."}, &Game::mnuHelpAbout_Click},
        },
    };
    return table;
}

}  // namespace scrambolo
