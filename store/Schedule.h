#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "schedule/ActivityValue.h"
#include "schedule/cTask.h"
#include "store/ProgramSettings.h"
#include "store/ScheduleFile.h"

// A change the task editor made to the schedule, or asked for and did not get.
enum class ScheduleChange {
    Saved,    // an activity was stored, with the duration when one was given
    Deleted,  // an activity was removed
    Kept,     // a delete was declined, or could not be written: the file is as it was
};

// Who shows the schedule and hears of each change made through it.
class ScheduleListener {
  public:
    virtual void ScheduleChanged(ScheduleChange change) = 0;

  protected:
    ~ScheduleListener() = default;
};

// What the start-up gives the program besides the schedule: its settings and what to tell the
// user of the file, composed (empty when there is nothing to tell).
struct StartupLoad {
    ProgramSettings settings;
    std::u16string report;
};

// The schedule in memory and on disk: the activities and the duration as the status window shows
// them, and GM.ini, through which every change of an activity goes. Those who show the schedule
// listen; each change made here is told to every one of them, after the file was written.
class Schedule {
  public:
    explicit Schedule(ScheduleFile file);
    Schedule(const Schedule&) = delete;
    Schedule& operator=(const Schedule&) = delete;

    // Writes the default file when it is missing, then reads the file once for the activities,
    // the duration and the program's settings.
    StartupLoad LoadAtStartup();
    // The activities again (刷新任务); the duration stays as read at start-up. Returns what to tell
    // of the problems when they differ from those told last; otherwise nothing.
    std::u16string Reload();

    const std::vector<cTask>& Tasks() const { return allTasks; }
    std::int16_t DurationMinutes() const { return durationMinutes; }

    // The editor's reading and writing. The activities of one kind are read from the file as it
    // now stands; error is set when it cannot be read.
    std::vector<IniKeyValue> Activities(ActivityKind kind, std::error_code& error) const;
    // Stores the activity, and the duration when one is given, in one write. Returns the reason
    // when the file could not be written; nothing is stored then.
    std::error_code SaveActivity(ActivityKind kind, std::u16string_view name,
                                 std::u16string_view definition,
                                 std::optional<std::int16_t> newDuration);
    // The answer to the question whether to delete the activity: removes it when confirmed.
    // Returns the reason when the file could not be written.
    std::error_code AnswerDelete(ActivityKind kind, std::u16string_view name, bool confirmed);

    // A key of the program's settings, as text; not a change of the schedule.
    std::error_code SaveSetting(std::u16string_view key, std::u16string_view value) const;
    // "<path>：<reason>", for a message.
    std::u16string DescribeFailure(std::error_code error, FileAccess access) const;

    void Listen(ScheduleListener& listener);
    void StopListening(ScheduleListener& listener);

  private:
    void Tell(ScheduleChange change);

    ScheduleFile file;
    std::vector<cTask> allTasks;
    std::int16_t durationMinutes = kFallbackDurationMinutes;
    ScheduleProblems toldProblems;
    std::vector<ScheduleListener*> listeners;
};
