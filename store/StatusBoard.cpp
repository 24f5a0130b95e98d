#include "store/StatusBoard.h"

#include <set>
#include <utility>

#include "schedule/NextOpening.h"

namespace {

// The entries of now that were not open before, counting repeats: a time written twice is two
// entries.
std::vector<OpenEntry> NewlyOpen(const std::vector<OpenEntry>& before,
                                 const std::vector<OpenEntry>& now) {
    std::multiset<OpenEntry> stillOpen(before.begin(), before.end());
    std::vector<OpenEntry> opened;
    for (const OpenEntry& entry : now) {
        if (const auto found = stillOpen.find(entry); found != stillOpen.end()) {
            stillOpen.erase(found);
        } else {
            opened.push_back(entry);
        }
    }
    return opened;
}

}  // namespace

StatusBoard::StatusBoard(const ScheduleFile& schedule) : schedule_(schedule) {}

void StatusBoard::LoadAtStartup() {
    StartupSchedule loaded = schedule_.LoadAtStartup();
    allTasks_ = std::move(loaded.tasks);
    durationMinutes_ = loaded.durationMinutes;
    settings_ = loaded.settings;
    untoldReport_ = schedule_.Report(loaded.problems);
    toldProblems_ = std::move(loaded.problems.schedule);
}

void StatusBoard::Reload() {
    ReloadedSchedule reloaded = schedule_.Reload();
    allTasks_ = std::move(reloaded.tasks);
    if (reloaded.problems == toldProblems_)
        return;
    toldProblems_ = std::move(reloaded.problems);
    untoldReport_ = schedule_.Report(StartupProblems{toldProblems_, {}, {}});
}

StatusTick StatusBoard::Tick(const LocalTime& now) {
    StatusTick tick{
        ComputeStatusTexts(allTasks_, durationMinutes_, now), {}, std::exchange(untoldReport_, {})};
    if (ticked_)
        tick.opened = NewlyOpen(openAtLastTick_, tick.texts.open);
    ticked_ = true;
    openAtLastTick_ = tick.texts.open;
    return tick;
}

std::optional<std::int32_t> StatusBoard::SecondsToNextOpening(const LocalTime& now) const {
    return ::SecondsToNextOpening(allTasks_, durationMinutes_, now);
}

std::error_code StatusBoard::SetNotifyOnOpening(bool on) {
    const std::error_code error = schedule_.SaveNotifyOnOpening(on);
    if (!error)
        settings_.notifyOnOpening = on;
    return error;
}

std::error_code StatusBoard::SetWindowPosition(WindowPosition position) {
    const std::error_code error = schedule_.SaveWindowPosition(position);
    if (!error)
        settings_.windowPosition = position;
    return error;
}

std::u16string StatusBoard::DescribeWriteFailure(std::error_code error) const {
    return schedule_.DescribeFailure(error, FileAccess::Write);
}
