// The two small files the game keeps beside itself: the sounds option and the best score.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pebblix {

// The sounds switch read from "pebblixoptions.dat": its first field as a truth value; a file with
// no readable truth value leaves the sounds on.
bool ReadSoundsOn(std::string_view text);

// "#TRUE#" or "#FALSE#", then CR LF.
std::string FormatOptionsFile(bool SoundsOn);

// The best score read from "pebblixscor.dat": its first field as a 16-bit number; no file, a field
// that is no number, or a number outside the 16-bit range all count as 0.
std::int16_t ReadHighScore(const std::optional<std::string>& text);

// The score in the print form: a blank in the sign's place, the digits, a trailing blank, CR LF.
std::string FormatScoreFile(std::int16_t Score);

}  // namespace pebblix
