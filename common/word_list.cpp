// Word lists read into one block of characters, with a fast path for plain lines and a bound on entries.
#include "common/word_list.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/field_reader.h"
#include "common/game_text.h"

namespace common {
namespace {

// How many bytes of the text are this character, eight bytes at a time (the compiler does not
// vectorise std::count at the optimisation level used here).
std::size_t CountByte(std::string_view text, char wanted) {
    constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t pattern = 0x0101010101010101ULL * static_cast<unsigned char>(wanted);
    std::size_t count = 0;
    std::size_t position = 0;
    for (; position + 8 <= text.size(); position += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, text.data() + position, sizeof chunk);
        const std::uint64_t differences = chunk ^ pattern;
        // A byte's high bit ends up set exactly when the byte differs from the wanted one; the
        // matches become ones in the bytes' low bits, and the multiplication sums them in the top byte.
        const std::uint64_t differing = ((differences & kLows) + kLows) | differences;
        const std::uint64_t matches = (~differing & ~kLows) >> 7;
        count += static_cast<std::size_t>((matches * 0x0101010101010101ULL) >> 56);
    }
    for (; position < text.size(); ++position) {
        count += text[position] == wanted ? 1 : 0;
    }
    return count;
}

// A text without commas, double quotes, blanks or tabs, whose every CR stands just before an LF,
// reads by the field rule as one field per line. Such a text is split at its line feeds with
// memchr, many times faster than reading it field by field. Returns false for any other text.
// Stopping at `stop` fields skips the CR check, rightly: a lone CR only adds fields.
bool SplitPlainLines(std::string_view text, std::size_t stop, std::vector<std::string_view>& fields) {
    for (const char special : {',', '"', ' ', '\t'}) {
        if (std::memchr(text.data(), special, text.size()) != nullptr) {
            return false;
        }
    }
    const std::size_t carriageReturns = CountByte(text, '\r');
    std::size_t carriageReturnsBeforeLineFeeds = 0;
    const char* position = text.data();
    const char* const end = text.data() + text.size();
    while (position != end) {
        if (fields.size() == stop) {
            return true;
        }
        const auto* lineFeed = static_cast<const char*>(std::memchr(position, '\n', end - position));
        const char* fieldEnd = lineFeed == nullptr ? end : lineFeed;
        if (lineFeed != nullptr && fieldEnd != position && fieldEnd[-1] == '\r') {
            --fieldEnd;
            ++carriageReturnsBeforeLineFeeds;
        }
        fields.emplace_back(position, static_cast<std::size_t>(fieldEnd - position));
        position = lineFeed == nullptr ? end : lineFeed + 1;
    }
    return carriageReturnsBeforeLineFeeds == carriageReturns;
}

// Any text, field by field, at most `stop` fields; they are gathered into one new block.
std::shared_ptr<const std::string> ReadFields(std::string_view text, std::size_t stop,
                                              std::vector<std::string_view>& fields) {
    std::vector<std::size_t> lengths;
    std::string gathered;
    FieldReader reader(text);
    while (!reader.AtEnd() && lengths.size() < stop) {
        const std::string field = reader.ReadField();
        gathered += field;
        lengths.push_back(field.size());
    }
    auto characters = std::make_shared<const std::string>(std::move(gathered));
    std::size_t offset = 0;
    for (const std::size_t length : lengths) {
        fields.emplace_back(characters->data() + offset, length);
        offset += length;
    }
    return characters;
}

}  // namespace

WordList::WordList(std::initializer_list<std::string_view> words) {
    std::string gathered;
    for (const std::string_view word : words) {
        gathered += word;
    }
    characters_ = std::make_shared<const std::string>(std::move(gathered));
    std::size_t offset = 0;
    for (const std::string_view word : words) {
        entries_.emplace_back(characters_->data() + offset, word.size());
        offset += word.size();
    }
}

void WordList::SortByCode() {
    // string_view orders by unsigned character code, shorter first on a common prefix.
    if (!std::is_sorted(entries_.begin(), entries_.end())) {
        std::sort(entries_.begin(), entries_.end());
    }
}

WordListRead ReadWordList(std::string text, std::size_t limit, WordList& list) {
    list = WordList();
    if (text.size() > kWordListMaxBytes) {
        return WordListRead::TooLarge;
    }
    const std::size_t stop = limit + 1;
    auto characters = std::make_shared<const std::string>(std::move(text));
    std::vector<std::string_view> entries;
    // A text holds fewer fields than bytes; reserving spares the table's regrowth.
    entries.reserve(std::min(characters->size() + 1, stop));
    if (!SplitPlainLines(*characters, stop, entries)) {
        entries.clear();
        characters = ReadFields(*characters, stop, entries);
    }
    if (entries.size() > limit) {
        return WordListRead::TooLarge;
    }
    list.characters_ = std::move(characters);
    list.entries_ = std::move(entries);
    return WordListRead::Complete;
}

bool IsShowable(std::string_view word) {
    return std::none_of(word.begin(), word.end(), [](char c) {
        const char32_t character = GameTextCharacter(c);
        return character < 32 || (character >= 127 && character <= 0x9F);
    });
}

}  // namespace common
