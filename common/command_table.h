// A game's menus and shortcut keys as one table: every edition builds its menu bar and keys from it and runs a command by its id.
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace common {

// What an entry of the menus is. A check mark is the game's to set: the menus never set one of
// their own accord, but where a platform's menu moves a mark by itself the game sets it again.
enum class CommandKind {
    Submenu,     // a menu: on the menu bar when it sits in no menu, else inside the menu it sits in
    Item,        // an item that runs its handler
    CheckItem,   // an item with a check mark of its own (Sounds)
    ChoiceItem,  // one of a submenu's items with a check mark, of which the game checks one (the letter ranges)
    RadioItem,   // one of a submenu's radio items, of which one is checked (Time Allowed)
};

// The keys that run an item from anywhere in the window.
enum class ShortcutKey { None, F1, CtrlN };

// Where an entry sits when it sits in no menu: on the menu bar.
inline constexpr int kMenuBar = 0;

// One entry, as every edition shows it. Ids are positive, clear of 1 and 2 (the ids Windows'
// dialog keys send for Enter and Esc) and of the windows' control ids (1000 and up), and each is
// used once.
struct MenuEntry {
    int id = 0;
    int menu = kMenuBar;  // the id of the submenu the entry sits in
    std::string caption;  // the games' 8-bit text, "&" before the access key
    CommandKind kind = CommandKind::Item;
    ShortcutKey shortcut = ShortcutKey::None;
    bool checkedAtCreation = false;
};

// What a game asks of its window's menus: an item's check mark set or cleared, by the item's id.
class MenuChecks {
public:
    virtual void SetMenuCheck(int id, bool checked) = 0;

protected:
    ~MenuChecks() = default;
};

// The entries, in menu order (a submenu before what sits in it), each item with its handler.
template <class Game>
class CommandTable {
public:
    struct Command {
        MenuEntry entry;
        std::function<void(Game&)> handler;  // none for a submenu
    };

    // The commands of each part in turn (a game's own, then a part both games share).
    CommandTable(std::initializer_list<std::vector<Command>> parts) {
        for (const std::vector<Command>& part : parts) {
            for (const Command& command : part) {
                commands_.push_back(command);
                entries_.push_back(command.entry);
            }
        }
    }

    const std::vector<MenuEntry>& Entries() const { return entries_; }

    // Runs the handler of the item with this id; false when no item has it.
    bool Run(Game& game, int id) const {
        const auto found = std::find_if(commands_.begin(), commands_.end(),
                                        [id](const Command& command) { return command.entry.id == id; });
        if (found == commands_.end() || !found->handler) {
            return false;
        }
        found->handler(game);
        return true;
    }

private:
    std::vector<Command> commands_;
    std::vector<MenuEntry> entries_;
};

}  // namespace common
