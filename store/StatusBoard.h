#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/StatusReport.h"
#include "schedule/cTask.h"
#include "store/Duration.h"
#include "store/ProgramSettings.h"
#include "store/ScheduleFile.h"
#include "store/ScheduleProblems.h"

// What the status window is to show after one evaluation.
struct StatusTick {
    StatusTexts texts;
    // The entries of the now list that were not in it at the last tick, in its order. None at the
    // first tick: what is open then was open before the program started.
    std::vector<OpenEntry> opened;
    // What to tell the user of the schedule's problems: those of the start-up at the first tick,
    // later those of a reload when they differ from the ones told last. Empty when there is
    // nothing new to tell.
    std::u16string report;
};

// The status window without the window: owns the activities loaded from GM.ini, the duration read
// at start-up and the problems told last, and turns them into what the window shows, one tick at
// a time. The window draws what a tick gives and decides nothing about the schedule.
class StatusBoard {
  public:
    explicit StatusBoard(const ScheduleFile& schedule);

    // The start-up's load (ScheduleFile::LoadAtStartup), which writes the default GM.ini when it
    // is missing.
    void LoadAtStartup();
    // The load of 刷新任务: the activities again; the duration stays as read at start-up.
    void Reload();
    // Evaluates the activities at the moment and says what changed since the last tick.
    StatusTick Tick(const LocalTime& now);
    // Seconds from the moment to the next opening of an activity's entry (see
    // SecondsToNextOpening); nothing when none opens within a week.
    std::optional<std::int32_t> SecondsToNextOpening(const LocalTime& now) const;

    // The program's settings as read at start-up and changed since.
    const ProgramSettings& Settings() const { return settings_; }
    // Each stores the setting in GM.ini and keeps it when that worked; returns the reason when it
    // did not, which DescribeWriteFailure puts into words.
    std::error_code SetNotifyOnOpening(bool on);
    std::error_code SetWindowPosition(WindowPosition position);
    std::u16string DescribeWriteFailure(std::error_code error) const;

  private:
    const ScheduleFile& schedule_;
    std::vector<cTask> allTasks_;
    std::int16_t durationMinutes_ = kFallbackDurationMinutes;
    ProgramSettings settings_;
    ScheduleProblems toldProblems_;
    std::u16string untoldReport_;
    std::vector<OpenEntry> openAtLastTick_;
    bool ticked_ = false;
};
