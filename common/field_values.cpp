// Number and truth-value conversion for fields, with overflow reported instead of wrapped.
#include "common/field_values.h"

#include <limits>

namespace common {
namespace {

std::string_view TrimBlanksAndTabs(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

template <typename Integer>
NumberField<Integer> ParseInteger(std::string_view field) {
    std::string_view text = TrimBlanksAndTabs(field);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return {NumberStatus::NotANumber, 0};
    }
    // Accumulate the magnitude in 64 bits and stop counting once it is past any 32-bit value,
    // so a long run of digits can neither overflow nor be mistaken for a small number.
    constexpr std::int64_t kBeyondAnyTarget = std::int64_t{1} << 40;
    std::int64_t magnitude = 0;
    bool tooLarge = false;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return {NumberStatus::NotANumber, 0};
        }
        if (!tooLarge) {
            magnitude = magnitude * 10 + (c - '0');
            tooLarge = magnitude > kBeyondAnyTarget;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (tooLarge || value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max()) {
        return {NumberStatus::OutOfRange, 0};
    }
    return {NumberStatus::Ok, static_cast<Integer>(value)};
}

}  // namespace

NumberField<std::int32_t> ParseInt32(std::string_view field) { return ParseInteger<std::int32_t>(field); }

NumberField<std::int16_t> ParseInt16(std::string_view field) { return ParseInteger<std::int16_t>(field); }

std::optional<bool> ParseTruthValue(std::string_view field) {
    const std::string_view text = TrimBlanksAndTabs(field);
    if (text == "#TRUE#") {
        return true;
    }
    if (text == "#FALSE#") {
        return false;
    }
    return std::nullopt;
}

std::string FormatTruthValue(bool value) { return value ? "#TRUE#" : "#FALSE#"; }

std::string FormatPlain(std::int64_t number) { return std::to_string(number); }

std::string FormatPrint(std::int64_t number) {
    std::string text = std::to_string(number);
    if (number >= 0) {
        text.insert(text.begin(), ' ');
    }
    return text;
}

std::string CrLfLine(std::string_view text) {
    std::string line(text);
    line += "\r\n";
    return line;
}

}  // namespace common
