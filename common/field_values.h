// Turns field text into the games' numbers and truth values, and those back into file and message text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

enum class NumberStatus { Ok, NotANumber, OutOfRange };

template <typename Integer>
struct NumberField {
    NumberStatus status = NumberStatus::NotANumber;
    Integer value = 0;  // meaningful only when status is Ok

    bool ok() const { return status == NumberStatus::Ok; }
    Integer ValueOr(Integer fallback) const { return ok() ? value : fallback; }
};

// A decimal integer: an optional sign, then digits only; blanks and tabs around it are allowed.
// Anything else is NotANumber; a number beyond the target type is OutOfRange, never wrapped.
NumberField<std::int32_t> ParseInt32(std::string_view field);
NumberField<std::int16_t> ParseInt16(std::string_view field);

// The written form of a truth value: "#TRUE#" or "#FALSE#". Anything else reads as no value.
std::optional<bool> ParseTruthValue(std::string_view field);
std::string FormatTruthValue(bool value);

// Plain decimal: "-1", "0", "34"; no leading blank, no plus sign, no leading zero.
std::string FormatPlain(std::int64_t number);

// The print form: a blank in the place of the sign of a non-negative number, a minus otherwise.
std::string FormatPrint(std::int64_t number);

// One line of a saved file: the text, then CR LF.
std::string CrLfLine(std::string_view text);

}  // namespace common
