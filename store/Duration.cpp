#include "store/Duration.h"

#include "schedule/NumberText.h"

DurationSetting InterpretDuration(const std::optional<std::u16string>& stored) {
    DurationSetting setting;
    if (!stored) {
        setting.problem = DurationSetting::Problem::Missing;
        return setting;
    }
    setting.storedText = *stored;
    const Int16Result converted = ConvertToInt16(*stored);
    switch (converted.status) {
        case Int16Conversion::Ok:
            if (converted.value < 0) {
                setting.problem = DurationSetting::Problem::Negative;
                break;
            }
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
