// Texts between the game and the page: the page's side is UTF-8, the games' words are their 8-bit text.
#pragma once

#include <string>

namespace common::web {

// A UTF-8 text the page made with malloc (gamePort.newText), taken over and freed; empty for none.
std::string TakePageText(char* text);

}  // namespace common::web
