// Reading and writing the options and best-score files by the files' field rule.
#include "pebblix/logic/saved_files.h"

#include "common/field_reader.h"
#include "common/field_values.h"

namespace pebblix {

bool ReadSoundsOn(std::string_view text) {
    return common::ParseTruthValue(common::ReadFirstField(text)).value_or(true);
}

std::string FormatOptionsFile(bool SoundsOn) { return common::CrLfLine(common::FormatTruthValue(SoundsOn)); }

std::int16_t ReadHighScore(const std::optional<std::string>& text) {
    if (!text) {
        return 0;
    }
    return common::ParseInt16(common::ReadFirstField(*text)).ValueOr(0);
}

std::string FormatScoreFile(std::int16_t Score) { return common::CrLfLine(common::FormatPrint(Score) + " "); }

}  // namespace pebblix
