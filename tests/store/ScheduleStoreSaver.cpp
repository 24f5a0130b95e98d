// The kill test's child: changes activities of GM.ini in a loop, as the editor does, until it is
// killed. Before each change it appends to the log the fingerprint of the bytes the change must
// leave. Arguments: GM.ini, the log, a seed. Any exit is a fault: 3 when GM.ini does not hold
// what the test wrote, 4 when a change fails.

#include <fcntl.h>
#include <unistd.h>

#include <random>
#include <string>

#include "platform/Files.h"
#include "store/ScheduleStore.h"
#include "tests/store/SavedSchedule.h"

namespace {

void Log(int log, const SavedActivities& activities) {
    const std::string line = std::to_string(Fingerprint(RenderSavedSchedule(activities))) + "\n";
    if (::write(log, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        ::_exit(5);
}

std::u16string Definition(unsigned step) {
    const std::string time = std::to_string(10 + step % 14) + ":" + std::to_string(10 + step % 50);
    return std::u16string(time.begin(), time.end()) + (step % 2 ? u"|星期一" : u"|每日");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    ScheduleStore store({argv[1]}, [] { return LocalTime{}; });
    Outcome<std::vector<IniKeyValue>> read = store.Activities(ActivityKind::FixedTimes);
    SavedActivities activities;
    for (IniKeyValue& activity : read.value)
        activities.emplace_back(std::move(activity.name), std::move(activity.value));
    if (read.problem || activities.empty() ||
        ReadFileBytes(argv[1]).value != RenderSavedSchedule(activities)) {
        return 3;
    }
    const int log = ::open(argv[2], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    std::mt19937 random(static_cast<unsigned>(std::stoul(argv[3])));
    std::vector<std::u16string> deleted;
    std::error_code error;
    for (unsigned step = 0;; ++step) {
        const std::size_t at = random() % activities.size();
        const unsigned kind = random() % 8;
        if (kind == 0 && activities.size() > 150) {
            deleted.push_back(activities[at].first);
            activities.erase(activities.begin() + static_cast<std::ptrdiff_t>(at));
            Log(log, activities);
            error = store.DeleteActivity(ActivityKind::FixedTimes, deleted.back());
        } else if (kind == 1 && !deleted.empty()) {
            activities.emplace_back(deleted.back(), u"09:30|每日");  // goes to the section's end
            deleted.pop_back();
            Log(log, activities);
            error = store.SaveActivity(ActivityKind::FixedTimes, activities.back().first,
                                       activities.back().second, std::nullopt);
        } else {
            activities[at].second = Definition(step);
            Log(log, activities);
            error = store.SaveActivity(ActivityKind::FixedTimes, activities[at].first,
                                       activities[at].second, std::nullopt);
        }
        if (error)
            return 4;
    }
}
