// Dictionary loading by the files' field rule, and lookup by binary search in code order.
#include "pebblix/logic/dictionary.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/field_reader.h"

namespace pebblix {
namespace {

// Slot 0 and one entry past the capacity: reading stops there, so even a huge file full of
// commas never builds a huge table.
constexpr std::size_t kSlotLimit = static_cast<std::size_t>(kDictionaryCapacity) + 2;

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
// Stopping at the slot limit skips the CR check, rightly: a lone CR only adds fields.
bool SplitPlainLines(std::string_view text, std::vector<std::string_view>& fields) {
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
        if (fields.size() == kSlotLimit) {
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

// Any text, field by field; the fields are gathered into one new block of characters.
std::shared_ptr<const std::string> ReadFields(std::string_view text, std::vector<std::string_view>& fields) {
    std::vector<std::size_t> lengths;
    std::string gathered;
    common::FieldReader reader(text);
    while (!reader.AtEnd() && fields.size() + lengths.size() < kSlotLimit) {
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

DictionaryLoad LoadDictionary(std::string text, WordTable& AllWords, std::int32_t& WordCount) {
    auto characters = std::make_shared<const std::string>(std::move(text));
    std::vector<std::string_view> slots;
    // A text holds fewer fields than bytes; reserving spares the table's regrowth.
    slots.reserve(std::min(characters->size() + 2, kSlotLimit));
    slots.emplace_back();
    if (!SplitPlainLines(*characters, slots)) {
        slots.resize(1);
        characters = ReadFields(*characters, slots);
    }
    AllWords.slots_.assign(1, std::string_view());
    AllWords.characters_.reset();
    WordCount = 0;
    if (slots.size() - 1 > static_cast<std::size_t>(kDictionaryCapacity)) {
        return DictionaryLoad::TooManyWords;
    }
    // string_view orders by unsigned character code, shorter first on a common prefix: the order
    // FindWord searches in.
    if (!std::is_sorted(slots.begin() + 1, slots.end())) {
        std::sort(slots.begin() + 1, slots.end());
    }
    AllWords.characters_ = std::move(characters);
    AllWords.slots_ = std::move(slots);
    WordCount = static_cast<std::int32_t>(AllWords.slots_.size() - 1);
    return DictionaryLoad::Loaded;
}

bool HasWordToDeal(const WordTable& AllWords, std::int32_t WordCount) {
    for (std::int32_t slot = 1; slot <= WordCount; ++slot) {
        if (AllWords[slot].size() >= kShortestDealtWord) {
            return true;
        }
    }
    return false;
}

std::int32_t FindWord(const WordTable& AllWords, std::string_view guess, std::int32_t low, std::int32_t high) {
    while (low <= high) {
        const std::int32_t mid = (low + high) / 2;
        const std::string_view word = AllWords[mid];
        if (word == guess) {
            return mid;
        }
        if (guess < word) {
            high = mid - 1;
        } else {
            low = mid + 1;
        }
    }
    return 0;
}

}  // namespace pebblix
