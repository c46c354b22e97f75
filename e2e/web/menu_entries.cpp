// Prints a game's menus as its page must show them, from the command table: a JSON list of entries for the browser test of the page's menus.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/game_text.h"
#include "common/web/page_menu_terms.h"
#include "pebblix/logic/game_commands.h"
#include "scrambolo/window/game_commands.h"

namespace {

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    const std::string game = argc > 1 ? argv[1] : "";
    if (game != "scrambolo" && game != "pebblix") {
        std::fputs("usage: menu_entries scrambolo|pebblix\n", stderr);
        return 2;
    }
    const std::vector<common::MenuEntry>& entries =
        game == "scrambolo" ? scrambolo::Commands().Entries() : pebblix::Commands().Entries();
    std::string json = "[";
    for (const common::MenuEntry& entry : entries) {
        json += (json.size() > 1 ? ",\n" : "\n");
        json += "{\"id\": " + std::to_string(entry.id) + ", \"menu\": " + std::to_string(entry.menu) +
                ", \"caption\": " + Quoted(common::Utf8FromGameText(entry.caption)) +
                ", \"role\": " + Quoted(common::web::PageRole(entry.kind)) +
                ", \"shortcut\": " + Quoted(common::web::PageShortcut(entry.shortcut)) + "}";
    }
    json += "\n]\n";
    std::fputs(json.c_str(), stdout);
    return 0;
}
