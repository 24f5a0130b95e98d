#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/StatusTexts.h"
#include "schedule/TimeZones.h"
#include "schedule/cTask.h"
#include "status/Notification.h"
#include "status/NotificationPlan.h"
#include "store/ScheduleStore.h"
#include "store/Settings.h"

// What the status window is to show and send after one look at the clock.
struct StatusLook {
    StatusTexts texts;
    // What to send to the desktop now, in order; only while notifications are on.
    std::vector<Notification> notifications;
    // The message of the schedule's problems: those of the start-up at the first look, later those
    // of a reload when they differ from the ones told last. Empty when there is nothing new to
    // tell.
    std::u16string message;
    // Seconds from the look to the next opening or warning, while notifications are on and one
    // comes within a week: when to look again, besides the minute's refresh.
    std::optional<std::int32_t> secondsToNextLook;
};

// The status window without the window: what it shows and sends, one look at a time.
class StatusBoard : private SettingsListener {
  public:
    // startupProblems are those of the start-up's load (ScheduleStore::LoadAtStartup), told at the
    // first look. zones places the activities that have a time zone.
    StatusBoard(ScheduleStore& schedule, Settings& settings, const StartupProblems& startupProblems,
                ZoneContext zones = {});
    StatusBoard(const StatusBoard&) = delete;
    StatusBoard& operator=(const StatusBoard&) = delete;
    ~StatusBoard();

    // The load of 刷新任务: the activities again; the duration stays as read at start-up.
    void Reload();
    // Whether the status window shows a change of the schedule at once. A delete question
    // reloads it, answered yes or no, so that it never goes on listing an activity the user has
    // just removed. A save does not: a new or changed activity shows at the next refresh or start,
    // like a new duration, which only the start-up reads; users of the program know it so.
    static bool ShowsAtOnce(ScheduleChange change);
    // Evaluates the activities at the moment: the texts, what to send, what to tell and when to
    // look again.
    StatusLook Look(const LocalTime& now);

    // Whether notifications are sent: on in the settings and the desktop's notification service
    // answered. The service is asked when they are on at start-up; until it answers, nothing is
    // sent. They are turned on in the settings only once the service has answered that it is there.
    bool Notifying() const { return notifying; }
    void NotificationServiceAnswered(bool available);
    // Where the activities are placed in time.
    const ZoneContext& Zones() const { return zones; }

  private:
    void SettingChanged(std::u16string_view key) override;

    ScheduleStore& schedule;
    Settings& settings;
    bool notifying = false;
    bool turnedOn = false;  // since the last look
    std::u16string untoldMessage;
    ZoneContext zones;
    NotificationPlan plan;
};
