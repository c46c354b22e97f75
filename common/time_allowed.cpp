// The time-allowed setting's factors, its one-line file and the per-setting file names.
#include "common/time_allowed.h"

#include "common/field_reader.h"
#include "common/field_values.h"

namespace common {

const char* TimeAllowedItemCaption(TimeAllowedSetting setting) {
    switch (setting) {
        case TimeAllowedSetting::Standard:
            return "&Standard";
        case TimeAllowedSetting::TwiceAsLong:
            return "&Twice As Long";
        case TimeAllowedSetting::FiveTimesAsLong:
            return "&Five Times As Long";
        case TimeAllowedSetting::TenTimesAsLong:
            return "T&en Times As Long";
    }
    return "&Standard";
}

int TimeFactor(TimeAllowedSetting setting) {
    switch (setting) {
        case TimeAllowedSetting::Standard:
            return 1;
        case TimeAllowedSetting::TwiceAsLong:
            return 2;
        case TimeAllowedSetting::FiveTimesAsLong:
            return 5;
        case TimeAllowedSetting::TenTimesAsLong:
            return 10;
    }
    return 1;
}

std::string FileNameForSetting(std::string_view standardName, TimeAllowedSetting setting) {
    std::string name(standardName);
    if (setting == TimeAllowedSetting::Standard) {
        return name;
    }
    const std::size_t dot = name.rfind('.');
    name.insert(dot == std::string::npos ? name.size() : dot, FormatPlain(TimeFactor(setting)));
    return name;
}

std::string FormatTimeAllowedFile(TimeAllowedSetting setting) { return CrLfLine(FormatPlain(TimeFactor(setting))); }

TimeAllowedSetting TimeAllowedFromFile(const std::optional<std::string>& text) {
    const NumberField<std::int32_t> factor = ParseInt32(ReadFirstField(text.value_or("")));
    if (factor.ok()) {
        for (const TimeAllowedSetting setting : kTimeAllowedSettings) {
            if (factor.value == TimeFactor(setting)) {
                return setting;
            }
        }
    }
    return TimeAllowedSetting::Standard;
}

std::optional<std::string> TimeAllowedBytes(SystemPort& system, const std::string& path, TimeAllowedSetting setting) {
    if (setting == TimeAllowedSetting::Standard && !system.AnythingAt(path)) {
        return std::nullopt;
    }
    return FormatTimeAllowedFile(setting);
}

}  // namespace common
