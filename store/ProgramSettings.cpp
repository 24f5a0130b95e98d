#include "store/ProgramSettings.h"

#include <filesystem>
#include <string>

#include "schedule/ActivityZone.h"
#include "schedule/NumberText.h"
#include "text/TextSplit.h"

Outcome<bool, UnusableValue> InterpretSwitch(const std::optional<std::u16string>& stored) {
    if (!stored || *stored == u"0")
        return {false, std::nullopt};
    if (*stored == u"1")
        return {true, std::nullopt};
    return {false, stored};
}

Outcome<std::vector<int>, UnusableValue> InterpretWarningLeads(
    const std::optional<std::u16string>& stored) {
    if (!stored)
        return {{kDefaultWarningLeadMinutes}, std::nullopt};
    if (std::optional<std::vector<int>> leads = ParseWarningLeads(*stored))
        return {*std::move(leads), std::nullopt};
    return {{kDefaultWarningLeadMinutes}, stored};
}

Outcome<std::u16string, UnusableValue> InterpretZone(const std::optional<std::u16string>& stored,
                                                     const TimeZones* zones) {
    if (!stored || stored->empty())
        return {};
    if (ReadZone(*stored, zones))
        return {*stored, std::nullopt};
    return {{}, stored};
}

Outcome<std::u16string, UnusableValue> InterpretCalendarFile(
    const std::optional<std::u16string>& stored) {
    if (!stored || stored->empty())
        return {};
    if (std::filesystem::path(*stored).is_absolute())
        return {*stored, std::nullopt};
    return {{}, stored};
}

std::optional<WindowPosition> ParseWindowPosition(std::u16string_view text) {
    const Split split = SplitAt(text, u',');
    if (!split.separated)
        return std::nullopt;
    const std::optional<int> x = ParseWholeNumber(split.first);
    const std::optional<int> y = ParseWholeNumber(split.rest);
    if (!x || !y)
        return std::nullopt;
    return WindowPosition{*x, *y};
}

std::u16string FormatWindowPosition(WindowPosition position) {
    return DecimalText(position.x) + u"," + DecimalText(position.y);
}
