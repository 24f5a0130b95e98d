#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "schedule/ActivityValue.h"
#include "schedule/LocalTime.h"
#include "schedule/TimeZones.h"
#include "schedule/cTask.h"
#include "store/Duration.h"
#include "store/FileErrorText.h"
#include "store/ProgramSettings.h"
#include "store/ScheduleProblems.h"
#include "store/ini/IniLocation.h"
#include "store/ini/IniReaders.h"
#include "text/Outcome.h"

// A change the task editor made to the schedule.
enum class ScheduleChange {
    Saved,    // an activity was stored, with the duration when one was given
    Deleted,  // an activity was removed
};

// Who shows the schedule and hears of each change made through it.
class ScheduleListener {
  public:
    virtual void ScheduleChanged(ScheduleChange change) = 0;

  protected:
    ~ScheduleListener() = default;
};

// The program's schedule file, GM.ini, and the schedule it holds: the path, resolved once at
// start-up, the activities and the duration as the status window shows them, and every read and
// write of the file. Only the default file is written without being asked. Each change of an
// activity made here is told to every listener, after the file was written.
class ScheduleStore {
  public:
    // zones is the database the activities' zones and the default zone are checked against
    // (none: only fixed offsets are zones).
    ScheduleStore(IniLocation location, Clock clock, const TimeZones* zones = nullptr);
    ScheduleStore(const ScheduleStore&) = delete;
    ScheduleStore& operator=(const ScheduleStore&) = delete;

    // Removes what writers killed part way left beside the file and writes the default file when
    // it is missing, then reads the file once for the activities, the duration and the program's
    // settings, which it returns. When the file or its folder cannot be created, or the file cannot
    // be read, nothing else is tried.
    Outcome<ProgramSettings, StartupProblems> LoadAtStartup();
    // The activities again (刷新任务); the duration stays as read at start-up. Returns the problems
    // when they differ from those returned last; otherwise nothing.
    std::optional<ScheduleProblems> Reload();

    const std::vector<cTask>& Tasks() const { return allTasks; }
    // The activities as the file now stands, for what follows every change as soon as it is
    // stored (the calendar file); Tasks() stay as loaded last. Their problems are not told here.
    Outcome<std::vector<cTask>> CurrentTasks() const;
    std::int16_t DurationMinutes() const { return durationMinutes; }

    // The editor's reading and writing. The activities of one kind are read from the file as it
    // now stands, in file order.
    Outcome<std::vector<IniKeyValue>> Activities(ActivityKind kind) const;
    // Each returns the reason when the file could not be written; it is then left as it was and
    // nothing is told. An activity is saved together with the duration, when one is given, in one
    // replace of the file.
    std::error_code SaveActivity(ActivityKind kind, std::u16string_view name,
                                 std::u16string_view definition,
                                 std::optional<std::int16_t> newDuration);
    std::error_code DeleteActivity(ActivityKind kind, std::u16string_view name);

    // A key of the program's settings (ProgramSettings.h), as text, or removed (no value); not a
    // change of the schedule.
    std::error_code SaveSetting(std::u16string_view key,
                                std::optional<std::u16string_view> value) const;
    // The message for problems of the file (see DescribeStartupProblems); empty when there are
    // none.
    std::u16string DescribeProblems(const StartupProblems& problems) const;
    // The file and why it could not be read or written, for a message: "<path>：<reason>".
    std::u16string DescribeFileError(std::error_code error, FileAccess access) const;

    void Listen(ScheduleListener& listener);
    void StopListening(ScheduleListener& listener);

  private:
    FileProblem CreateWhenMissing() const;
    void Tell(ScheduleChange change);

    IniLocation location;
    Clock clock;
    const TimeZones* zones;
    std::vector<cTask> allTasks;
    std::int16_t durationMinutes = kFallbackDurationMinutes;
    ScheduleProblems returnedProblems;
    std::vector<ScheduleListener*> listeners;
};
