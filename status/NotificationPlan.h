#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/StatusTexts.h"
#include "schedule/TimeZones.h"
#include "schedule/cTask.h"
#include "status/Notification.h"

// Which notifications are due at each look at the clock: an activity's opening ("<name> 已开启")
// and the warnings so many minutes before it ("<name> 5 分钟后开启"). Each opening is told at most
// once and each of its warnings at most once per lead, whatever the wall clock does: a clock set
// back brings nothing twice, and a clock set forward or a sleep brings, at the next look, what is
// still true then: what is still open, and warnings of openings still ahead.
class NotificationPlan {
  public:
    // What the plan looks at: the activities, the duration, the warning leads and where the
    // activities' zones are. An activity's own leads (提前) replace the leads for it, and one with
    // 通知=0 is told nothing.
    struct Basis {
        const std::vector<cTask>& tasks;
        std::int16_t durationMinutes;
        const std::vector<int>& leads;  // minutes before an opening, largest first
        const ZoneContext& zones;
    };

    // The notifications due at the moment, given the entries open then. What is open at the first
    // look opened before the program started, and a warning whose moment came before it is not
    // sent. While not sending, the looks still count what opened and what was to be warned, so
    // that nothing from that time is told later.
    std::vector<Notification> Look(const Basis& basis, const std::vector<OpenEntry>& open,
                                   LocalMoment now, bool sending);

    // The next moment at which an opening or a warning is due after now; nothing when no entry
    // opens within a week.
    static std::optional<LocalMoment> NextMoment(const Basis& basis, LocalMoment now);

  private:
    using OpeningKey = std::tuple<ActivityKind, std::u16string, LocalMoment>;
    using WarningKey = std::tuple<OpeningKey, int>;

    std::vector<Notification> Opened(const std::vector<OpenEntry>& open, LocalMoment now,
                                     bool sending);
    std::vector<Notification> Warnings(const Basis& basis, LocalMoment now);
    void Forget(LocalMoment now);

    std::set<OpeningKey> told;
    std::set<WarningKey> warned;
    std::optional<LocalMoment> lastLook;
};
