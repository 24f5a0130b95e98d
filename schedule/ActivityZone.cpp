#include "schedule/ActivityZone.h"

#include "schedule/NumberText.h"

namespace {

constexpr std::u16string_view kUtc = u"UTC";
constexpr int kMaxOffsetHours = 14;

// One or two ASCII digits.
std::optional<int> SmallNumber(std::u16string_view text) {
    if (text.size() > 2)
        return std::nullopt;
    return AsciiDigitsValue(text);
}

}  // namespace

std::optional<std::chrono::seconds> ParseFixedOffset(std::u16string_view text) {
    if (!text.starts_with(kUtc))
        return std::nullopt;
    text.remove_prefix(kUtc.size());
    if (text.empty())
        return std::chrono::seconds{0};
    const int sign = text.front() == u'+' ? 1 : text.front() == u'-' ? -1 : 0;
    if (sign == 0)
        return std::nullopt;
    text.remove_prefix(1);
    const std::size_t colon = text.find(u':');
    const std::optional<int> hours = SmallNumber(text.substr(0, colon));
    std::optional<int> minutes = 0;
    if (colon != std::u16string_view::npos) {
        const std::u16string_view minuteText = text.substr(colon + 1);
        minutes = minuteText.size() == 2 ? SmallNumber(minuteText) : std::nullopt;
    }
    if (!hours || !minutes || *minutes > 59 || *hours * 60 + *minutes > kMaxOffsetHours * 60)
        return std::nullopt;
    return std::chrono::seconds{sign * (*hours * 3600 + *minutes * 60)};
}

std::optional<ActivityZone> ReadZone(std::u16string_view written, const TimeZones* zones) {
    if (const std::optional<std::chrono::seconds> offset = ParseFixedOffset(written))
        return ActivityZone{ActivityZone::Kind::Fixed, *offset, {}};
    if (written.empty() || zones == nullptr || !zones->Exists(written))
        return std::nullopt;
    return ActivityZone{ActivityZone::Kind::Named, {}, std::u16string(written)};
}

std::optional<OptionProblem> CheckZone(const ActivityOptions& options, const TimeZones* zones) {
    if (options.zone.empty() || ReadZone(options.zone, zones))
        return std::nullopt;
    return OptionProblem{u"时区", options.zone, OptionProblem::Kind::NoSuchZone};
}
