// Field reading for the games' text files: quoted and plain fields, commas and any line end.
#include "common/field_reader.h"

namespace common {
namespace {

bool IsTerminator(char c) { return c == ',' || c == '\r' || c == '\n'; }

}  // namespace

void FieldReader::SkipBlanksAndTabs() {
    while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\t')) {
        ++position_;
    }
}

void FieldReader::SkipToTerminator() {
    while (position_ < text_.size() && !IsTerminator(text_[position_])) {
        ++position_;
    }
}

void FieldReader::ConsumeTerminator() {
    if (position_ >= text_.size()) {
        return;
    }
    const char c = text_[position_++];
    if (c == '\r' && position_ < text_.size() && text_[position_] == '\n') {
        ++position_;
    }
}

std::string FieldReader::ReadField() {
    SkipBlanksAndTabs();
    std::string field;
    if (position_ < text_.size() && text_[position_] == '"') {
        const std::size_t start = position_ + 1;
        const std::size_t close = text_.find('"', start);
        if (close == std::string_view::npos) {
            field = std::string(text_.substr(start));
            position_ = text_.size();
            return field;
        }
        field = std::string(text_.substr(start, close - start));
        position_ = close + 1;
        SkipToTerminator();
    } else {
        const std::size_t start = position_;
        SkipToTerminator();
        field = std::string(text_.substr(start, position_ - start));
        while (!field.empty() && field.back() == ' ') {
            field.pop_back();
        }
    }
    ConsumeTerminator();
    return field;
}

std::vector<std::string> ReadAllFields(std::string_view text) {
    std::vector<std::string> fields;
    FieldReader reader(text);
    while (!reader.AtEnd()) {
        fields.push_back(reader.ReadField());
    }
    return fields;
}

std::string ReadFirstField(std::string_view text) {
    FieldReader reader(text);
    return reader.ReadField();
}

}  // namespace common
