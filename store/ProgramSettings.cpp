#include "store/ProgramSettings.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <string>

#include "schedule/NumberText.h"
#include "text/TextSplit.h"
#include "text/TextTrim.h"

namespace {

// A whole number written in ASCII digits with an optional minus sign, and nothing else.
std::optional<int> ParseWholeNumber(std::u16string_view text) {
    std::string ascii;
    for (char16_t c : TrimSpaces(text)) {
        if (c > 0x7F)
            return std::nullopt;
        ascii.push_back(static_cast<char>(c));
    }
    int number = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), number);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return number;
}

std::optional<std::vector<int>> ParseWarningLeads(std::u16string_view text) {
    if (ParseWholeNumber(text) == 0)
        return std::vector<int>{};
    std::vector<int> leads;
    for (Split split{{}, text, true}; split.separated;) {
        split = SplitAt(split.rest, u',');
        const std::optional<int> lead = ParseWholeNumber(split.first);
        if (!lead || *lead < 1 || *lead > kMaxWarningLeadMinutes)
            return std::nullopt;
        leads.push_back(*lead);
    }
    std::sort(leads.begin(), leads.end(), std::greater<>());
    leads.erase(std::unique(leads.begin(), leads.end()), leads.end());
    return leads;
}

}  // namespace

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

std::u16string FormatWarningLeads(const std::vector<int>& leads) {
    if (leads.empty())
        return u"0";
    std::u16string text;
    for (const int lead : leads) {
        if (!text.empty())
            text += u',';
        text += DecimalText(lead);
    }
    return text;
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
