#include "schedule/WarningLeads.h"

#include <algorithm>
#include <functional>

#include "schedule/NumberText.h"
#include "text/TextSplit.h"

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

std::u16string FormatWarningLeads(const std::vector<int>& leads) {
    return leads.empty() ? u"0" : DecimalList(leads);
}
