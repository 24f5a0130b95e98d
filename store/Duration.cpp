#include "store/Duration.h"

#include "schedule/NumberText.h"
#include "store/IniReaders.h"
#include "store/ScheduleFile.h"

DurationSetting ReadDurationSetting(const std::filesystem::path& file) {
    DurationSetting setting;
    const std::optional<std::u16string> stored = FindIniValue(kDurationSection, kDurationKey, file);
    if (!stored) {
        setting.problem = DurationSetting::Problem::Missing;
        return setting;
    }
    setting.storedText = *stored;
    const Int16Result converted = ConvertToInt16(*stored);
    switch (converted.status) {
        case Int16Conversion::Ok:
            setting.minutes = converted.value;
            break;
        case Int16Conversion::NotANumber:
            setting.problem = DurationSetting::Problem::NotANumber;
            break;
        case Int16Conversion::OutOfRange:
            setting.problem = DurationSetting::Problem::OutOfRange;
            break;
    }
    return setting;
}
