// Takes over the texts the page hands the game.
#include "common/web/page_text.h"

#include <cstdlib>

namespace common::web {

std::string TakePageText(char* text) {
    std::string taken = text != nullptr ? text : "";
    std::free(text);
    return taken;
}

}  // namespace common::web
