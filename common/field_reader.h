// Reads the fields of the games' 8-bit text files one at a time, by the one rule every file shares.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// A field is what lies before the next comma or line end (CR, LF or CR LF), with blanks and tabs
// before it skipped and blanks after it dropped. A field that opens with a double quote runs to
// the next double quote instead, and whatever follows it up to the comma or line end is skipped.
// The comma or line end that closes a field is consumed; the end of the text also closes one.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The end-of-file test, made before each read: a line end after the last field leaves
    // nothing more to read, so it adds no empty field.
    bool AtEnd() const { return position_ >= text_.size(); }

    // Reads the next field; at the end of the text it is empty.
    std::string ReadField();

private:
    void SkipBlanksAndTabs();
    void SkipToTerminator();
    void ConsumeTerminator();

    std::string_view text_;
    std::size_t position_ = 0;
};

// Every field of a text, read while the end has not been reached.
std::vector<std::string> ReadAllFields(std::string_view text);

// The first field of a text: empty for an empty text.
std::string ReadFirstField(std::string_view text);

}  // namespace common
