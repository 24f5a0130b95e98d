#include "status/NotificationPlan.h"

#include <algorithm>
#include <functional>
#include <string>

#include "schedule/ActivityOptions.h"
#include "schedule/NumberText.h"
#include "schedule/Openings.h"
#include "schedule/ZoneLook.h"

namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::minutes;
using std::chrono::seconds;

// How long what was told is remembered: a clock set back further than this may tell it again.
constexpr days kMemory{7};

// The leads of the settings and those of the activities' own, largest first, each once.
std::vector<int> AllLeads(const NotificationPlan::Basis& basis) {
    std::vector<int> leads = basis.leads;
    for (const cTask& task : basis.tasks) {
        if (task.options.empty())
            continue;
        const ParsedOptions parsed = ParseActivityOptions(task.options);
        if (const std::optional<std::vector<int>>& own = parsed.options.leads)
            leads.insert(leads.end(), own->begin(), own->end());
    }
    std::sort(leads.begin(), leads.end(), std::greater<>());
    leads.erase(std::unique(leads.begin(), leads.end()), leads.end());
    return leads;
}

}  // namespace

std::vector<Notification> NotificationPlan::Look(const Basis& basis,
                                                 const std::vector<OpenEntry>& open,
                                                 LocalMoment now, bool sending) {
    std::vector<Notification> due = Opened(open, now, sending);
    // Warnings that come due while not sending are counted all the same, and never sent later.
    std::vector<Notification> warnings = Warnings(basis, now);
    if (sending)
        due.insert(due.end(), warnings.begin(), warnings.end());
    lastLook = now;
    Forget(now);
    return due;
}

std::vector<Notification> NotificationPlan::Opened(const std::vector<OpenEntry>& open,
                                                   LocalMoment now, bool sending) {
    const auto today = floor<days>(now);
    const std::int64_t currentMinute = floor<minutes>(now - today).count();
    std::vector<Notification> opened;
    for (const OpenEntry& entry : open) {
        // An entry that starts after the current minute runs past midnight from the day before.
        const auto day = entry.startMinute > currentMinute ? today - days{1} : today;
        const bool first =
            told.emplace(entry.kind, entry.name, day + minutes{entry.startMinute}).second;
        if (first && sending && lastLook && entry.notifies)
            opened.push_back({entry.name + u" 已开启", entry.displayText});
    }
    return opened;
}

std::vector<Notification> NotificationPlan::Warnings(const Basis& basis, LocalMoment now) {
    // For each lead, the openings whose warning came since the last look and that are still
    // ahead. At the first look, and at one after the clock was set back, only those due this very
    // second: what was told before stays told. After a sleep several leads of one opening may be
    // due at once: one warning tells them all.
    // The leads are real minutes: across a change of the local offset they are counted on the
    // clock's instants.
    const bool afresh = !lastLook || now < *lastLook;
    std::vector<Opening> due;
    std::set<OpeningKey> inDue;
    for (const int lead : AllLeads(basis)) {
        const minutes ahead{lead};
        const LocalMoment upTo = LocalAfter(basis.zones, now, ahead);
        const LocalMoment after =
            afresh ? upTo - seconds{1} : std::max(LocalAfter(basis.zones, *lastLook, ahead), now);
        for (Opening& opening :
             OpeningsBetween(basis.tasks, basis.durationMinutes, after, upTo, basis.zones)) {
            const std::vector<int>& leads = opening.leads ? *opening.leads : basis.leads;
            if (!opening.notifies || std::find(leads.begin(), leads.end(), lead) == leads.end())
                continue;
            OpeningKey key{opening.kind, opening.name, opening.moment};
            if (!warned.emplace(key, lead).second)
                continue;
            if (inDue.insert(std::move(key)).second)
                due.push_back(std::move(opening));
        }
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const Opening& a, const Opening& b) { return a.moment < b.moment; });
    std::vector<Notification> warnings;
    for (const Opening& opening : due) {
        // Whole minutes left, rounded up: a late warning says how long there is still.
        const std::int64_t left = (floor<seconds>(LocalInstant(basis.zones, opening.moment) -
                                                  LocalInstant(basis.zones, now))
                                       .count() +
                                   59) /
                                  60;
        warnings.push_back(
            {opening.name + u" " + DecimalText(left) + u" 分钟后开启", opening.soonText});
    }
    return warnings;
}

void NotificationPlan::Forget(LocalMoment now) {
    const LocalMoment before = now - kMemory;
    std::erase_if(told, [&](const OpeningKey& key) { return std::get<2>(key) < before; });
    std::erase_if(warned,
                  [&](const WarningKey& key) { return std::get<2>(std::get<0>(key)) < before; });
}

std::optional<LocalMoment> NotificationPlan::NextMoment(const Basis& basis, LocalMoment now) {
    // Every lead of any activity: a look that finds nothing due is harmless.
    std::optional<LocalMoment> next =
        FirstOpeningAfter(basis.tasks, basis.durationMinutes, now, basis.zones);
    for (const int lead : AllLeads(basis)) {
        const minutes ahead{lead};
        if (const auto opening =
                FirstOpeningAfter(basis.tasks, basis.durationMinutes, now + ahead, basis.zones)) {
            if (!next || *opening - ahead < *next)
                next = *opening - ahead;
        }
    }
    return next;
}
