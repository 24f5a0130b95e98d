#include "schedule/ActivityOptions.h"

#include <algorithm>

#include "schedule/NumberText.h"
#include "schedule/WarningLeads.h"
#include "text/TextSplit.h"
#include "text/TextTrim.h"

namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

constexpr std::u16string_view kZoneKey = u"时区";
constexpr std::u16string_view kFirstKey = u"起";
constexpr std::u16string_view kLastKey = u"止";
constexpr std::u16string_view kEveryKey = u"每隔";
constexpr std::u16string_view kMonthlyKey = u"每月";
constexpr std::u16string_view kLeadsKey = u"提前";
constexpr std::u16string_view kNotifyKey = u"通知";
constexpr int kMaxEveryDays = 366;
constexpr int kMaxMonthDay = 31;

// The text with the full-width separators in their ASCII forms.
std::u16string AsciiSeparators(std::u16string_view text) {
    std::u16string ascii(text);
    for (char16_t& c : ascii) {
        if (c == u'；')
            c = u';';
        else if (c == u'＝')
            c = u'=';
    }
    return ascii;
}

// Exactly the digits given, nothing else.
std::optional<int> Digits(std::u16string_view text, std::size_t count) {
    if (text.size() != count)
        return std::nullopt;
    return AsciiDigitsValue(text);
}

std::optional<year_month_day> ParseDate(std::u16string_view text) {
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    const std::optional<int> y = Digits(text.substr(0, 4), 4);
    const std::optional<int> m = Digits(text.substr(5, 2), 2);
    const std::optional<int> d = Digits(text.substr(8, 2), 2);
    if (!y || !m || !d)
        return std::nullopt;
    const year_month_day date{year{*y}, month{static_cast<unsigned>(*m)},
                              day{static_cast<unsigned>(*d)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::u16string FormatDate(year_month_day date) {
    const auto padded = [](int value, std::size_t width) {
        std::u16string text = DecimalText(value);
        return std::u16string(width > text.size() ? width - text.size() : 0, u'0') + text;
    };
    return padded(static_cast<int>(date.year()), 4) + u"-" +
           padded(static_cast<int>(static_cast<unsigned>(date.month())), 2) + u"-" +
           padded(static_cast<int>(static_cast<unsigned>(date.day())), 2);
}

// The days of 每月, ascending and each once, or the problem with them.
std::optional<OptionProblem::Kind> ParseMonthDays(std::u16string_view text,
                                                  std::vector<int>& days) {
    for (Split split{{}, text, true}; split.separated;) {
        split = SplitAt(split.rest, u',');
        const std::optional<int> monthDay = ParseWholeNumber(split.first);
        if (!monthDay)
            return OptionProblem::Kind::Unreadable;
        if (*monthDay < 1 || *monthDay > kMaxMonthDay)
            return OptionProblem::Kind::OutOfRange;
        days.push_back(*monthDay);
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return std::nullopt;
}

// A lead list that is not one: out of range when it holds only whole numbers.
OptionProblem::Kind LeadsProblem(std::u16string_view text) {
    for (Split split{{}, text, true}; split.separated;) {
        split = SplitAt(split.rest, u',');
        if (!ParseWholeNumber(split.first))
            return OptionProblem::Kind::Unreadable;
    }
    return OptionProblem::Kind::OutOfRange;
}

// Reads one pair into the options; the problem when it cannot be used.
std::optional<OptionProblem::Kind> ReadPair(std::u16string_view key, std::u16string_view value,
                                            ActivityOptions& options) {
    using Kind = OptionProblem::Kind;
    if (key == kZoneKey) {
        options.zone = value;
    } else if (key == kFirstKey || key == kLastKey) {
        const std::optional<year_month_day> date = ParseDate(value);
        if (!date)
            return Kind::NotADate;
        (key == kFirstKey ? options.firstDay : options.lastDay) = date;
    } else if (key == kEveryKey) {
        const std::optional<int> every = ParseWholeNumber(value);
        if (!every)
            return Kind::Unreadable;
        if (*every < 1 || *every > kMaxEveryDays)
            return Kind::OutOfRange;
        options.everyDays = every;
    } else if (key == kMonthlyKey) {
        std::vector<int> days;
        if (const std::optional<Kind> problem = ParseMonthDays(value, days))
            return problem;
        options.monthDays = std::move(days);
    } else if (key == kLeadsKey) {
        options.leads = ParseWarningLeads(value);
        if (!options.leads)
            return LeadsProblem(value);
    } else if (key == kNotifyKey) {
        if (value != u"0" && value != u"1")
            return Kind::Unreadable;
        options.notify = value == u"1";
    } else {
        options.unknown.emplace_back(key, value);
        return Kind::UnknownKey;
    }
    return std::nullopt;
}

void AppendPair(std::u16string& text, std::u16string_view key, std::u16string_view value) {
    if (!text.empty())
        text += u';';
    text.append(key).append(u"=").append(value);
}

}  // namespace

ParsedOptions ParseActivityOptions(std::u16string_view text) {
    ParsedOptions parsed;
    if (IsBlank(text))
        return parsed;
    std::u16string ascii;
    if (text.find_first_of(u"；＝") != std::u16string_view::npos) {
        ascii = AsciiSeparators(text);
        text = ascii;
    }
    for (Split split{{}, text, true}; split.separated;) {
        split = SplitAt(split.rest, u';');
        if (IsBlank(split.first))
            continue;
        const Split pair = SplitAt(split.first, u'=');
        const std::u16string_view key = TrimSpaces(pair.first);
        const std::u16string_view value = TrimSpaces(pair.rest);
        if (const std::optional<OptionProblem::Kind> problem = ReadPair(key, value, parsed.options))
            parsed.problems.push_back({std::u16string(key), std::u16string(value), *problem});
    }
    if (parsed.options.everyDays && !parsed.options.firstDay) {
        parsed.problems.push_back({std::u16string(kEveryKey),
                                   DecimalText(*parsed.options.everyDays),
                                   OptionProblem::Kind::EveryWithoutFirst});
        parsed.options.everyDays.reset();
    }
    return parsed;
}

std::u16string ComposeActivityOptions(const ActivityOptions& options) {
    std::u16string text;
    if (!options.zone.empty())
        AppendPair(text, kZoneKey, options.zone);
    if (options.firstDay)
        AppendPair(text, kFirstKey, FormatDate(*options.firstDay));
    if (options.lastDay)
        AppendPair(text, kLastKey, FormatDate(*options.lastDay));
    if (options.everyDays)
        AppendPair(text, kEveryKey, DecimalText(*options.everyDays));
    if (!options.monthDays.empty())
        AppendPair(text, kMonthlyKey, DecimalList(options.monthDays));
    if (options.leads)
        AppendPair(text, kLeadsKey, FormatWarningLeads(*options.leads));
    if (!options.notify)
        AppendPair(text, kNotifyKey, u"0");
    for (const auto& [key, value] : options.unknown)
        AppendPair(text, key, value);
    return text;
}

bool CountsOn(const ActivityOptions& options, year_month_day date) {
    if (options.firstDay && date < *options.firstDay)
        return false;
    if (options.lastDay && date > *options.lastDay)
        return false;
    if (options.everyDays && options.firstDay &&
        (sys_days{date} - sys_days{*options.firstDay}).count() % *options.everyDays != 0) {
        return false;
    }
    if (!options.monthDays.empty() &&
        !std::binary_search(options.monthDays.begin(), options.monthDays.end(),
                            static_cast<int>(static_cast<unsigned>(date.day())))) {
        return false;
    }
    return true;
}
