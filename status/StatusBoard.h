#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/StatusTexts.h"
#include "schedule/cTask.h"
#include "status/Notification.h"
#include "status/NotificationPlan.h"
#include "store/ProgramSettings.h"
#include "store/ScheduleStore.h"

// What the status window is to show and send after one look at the clock.
struct StatusLook {
    StatusTexts texts;
    // What to send to the desktop now, in order; only while notifications are on.
    std::vector<Notification> notifications;
    // What to tell the user of the schedule's problems: those of the start-up at the first look,
    // later those of a reload when they differ from the ones told last. Empty when there is
    // nothing new to tell.
    std::u16string report;
    // Seconds from the look to the next opening or warning, while notifications are on and one
    // comes within a week: when to look again, besides the minute's refresh.
    std::optional<std::int32_t> secondsToNextLook;
};

// The status window without the window: turns the schedule it is given into what the window shows
// and sends, one look at a time; owns the program's settings and keeps those the window's menu and
// drags change. The window draws what a look gives and decides nothing itself.
class StatusBoard {
  public:
    // executable is the program that starts at login when the user asks for it.
    StatusBoard(ScheduleStore& schedule, std::filesystem::path executable);

    // The start-up's load (ScheduleStore::LoadAtStartup), which writes the default GM.ini when it
    // is missing.
    void LoadAtStartup();
    // The load of 刷新任务: the activities again; the duration stays as read at start-up.
    void Reload();
    // Whether the status window shows a change of the schedule at once. A delete question
    // reloads it, answered yes or no, so that it never goes on listing an activity the user has
    // just removed. A save does not: a new or changed activity shows at the next refresh or start,
    // like a new duration, which only the start-up reads; users of the program know it so.
    static bool ShowsAtOnce(ScheduleChange change);
    // Evaluates the activities at the moment: the texts, what to send, what to report and when to
    // look again.
    StatusLook Look(const LocalTime& now);

    // The program's settings as read at start-up and changed since.
    const ProgramSettings& Settings() const { return settings; }

    // Whether notifications are sent: on in the settings and the desktop's notification service
    // answered. The service is asked when they are on at start-up; until it answers, nothing is
    // sent.
    bool Notifying() const { return notifying; }
    void NotificationServiceAnswered(bool available);

    // The menu's settings. Each stores the setting and keeps it when that worked; otherwise the
    // setting stays as it was and the message says why. Turning notifications on needs the
    // service to have answered that it is there.
    std::u16string TurnNotifications(bool on, bool serviceAvailable);
    std::u16string SetWarningLeads(std::vector<int> leads);
    std::u16string SetWarningSound(bool on);
    // Keeps where the window was dragged; no write when it is where it was kept. A failure is
    // told once: a window dragged often would otherwise say it at every drag.
    std::u16string KeepWindowPosition(WindowPosition position);
    // Start at login is kept by the system, not in GM.ini: it is read each time it is asked.
    bool StartsAtLogin() const;
    std::u16string TurnLoginStart(bool on);

  private:
    std::u16string SaveSetting(std::u16string_view key, std::u16string_view value,
                               std::u16string_view failure);

    ScheduleStore& schedule;
    std::filesystem::path executable;
    ProgramSettings settings;
    bool notifying = false;
    bool turnedOn = false;  // by the menu, since the last look
    bool positionFailureTold = false;
    std::u16string untoldReport;
    NotificationPlan plan;
};
