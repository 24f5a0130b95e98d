#pragma once

#include <filesystem>
#include <utility>

#include "schedule/LocalTime.h"
#include "status/NotificationService.h"
#include "status/StatusBoard.h"
#include "status/StatusController.h"
#include "store/ScheduleStore.h"
#include "store/Settings.h"

// What the status window of one run of the program stands on, as the program sets it up: the
// schedule on GM.ini loaded as at start-up, the settings read then, the board and the controller.
struct StatusProgram {
    StatusProgram(const std::filesystem::path& ini, const std::filesystem::path& executable,
                  Clock clock, NotificationService& desktop)
        : schedule(IniLocation{ini}, clock),
          loaded(schedule.LoadAtStartup()),
          settings(schedule, std::move(loaded.value), executable),
          board(schedule, settings, loaded.problem),
          controller(board, settings, schedule, std::move(clock), desktop) {}

    ScheduleStore schedule;
    Outcome<ProgramSettings, StartupProblems> loaded;
    Settings settings;
    StatusBoard board;
    StatusController controller;
};
