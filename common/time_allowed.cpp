// The time-allowed setting's factors, its one-line file and the per-setting file names.
#include "common/time_allowed.h"

#include "common/field_reader.h"
#include "common/field_values.h"
#include "common/saved_file.h"

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

TimeAllowedRead ReadTimeAllowedFile(SystemPort& system, const std::string& path) {
    const SavedFileRead saved = ReadSavedFile(system, path);
    TimeAllowedRead read;
    read.unreadable = saved.unreadable;
    const NumberField<std::int32_t> factor = ParseInt32(ReadFirstField(saved.text.value_or("")));
    if (!factor.ok()) {
        return read;
    }
    for (const TimeAllowedSetting setting : kTimeAllowedSettings) {
        if (factor.value == TimeFactor(setting)) {
            read.setting = setting;
        }
    }
    return read;
}

bool TimeAllowedToBeSaved(SystemPort& system, const std::string& path, TimeAllowedSetting setting) {
    return setting != TimeAllowedSetting::Standard || system.AnythingAt(path);
}

}  // namespace common
