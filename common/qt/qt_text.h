// The games' texts as Qt strings: their 8-bit text for captions and boxes, UTF-8 for messages and paths.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace common::qt {

// A caption, box text or hint from the game: its 8-bit text, read as every edition reads it
// (common/game_text.h), so a letter shows and is spoken the same on a button and in a message.
QString FromGameText(std::string_view text);
// What a control shows or the player typed, back as the game's 8-bit text: every letter the game
// gave comes back as its own byte; a character the games' text cannot hold is a '?'.
std::string ToGameText(const QString& text);

// A message, title or path from the game, which are UTF-8.
QString FromUtf8(std::string_view text);
std::string ToUtf8(const QString& text);

}  // namespace common::qt
