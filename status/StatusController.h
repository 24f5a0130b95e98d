#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "schedule/LocalTime.h"
#include "status/NotificationService.h"
#include "status/StatusBoard.h"
#include "status/StatusView.h"
#include "store/ScheduleStore.h"
#include "store/Settings.h"

// What the status window does, without the window: the view shows, the controller decides. Every
// message goes to the view.
class StatusController : private ScheduleListener {
  public:
    StatusController(StatusBoard& board, Settings& settings, ScheduleStore& schedule, Clock clock,
                     NotificationService& desktop);
    StatusController(const StatusController&) = delete;
    StatusController& operator=(const StatusController&) = delete;

    // From now on the view shows the status, beginning with a look at the clock now, and hears of
    // the changes of the schedule; the calendar file is written; notifications that were on ask
    // for the desktop's service.
    void Attach(StatusView& view);
    // The view is going: it is told nothing more, and an answer of the service still to come is
    // dropped.
    void Detach();

    // Has the board reload the activities from GM.ini and evaluates again (the duration stays as
    // read at start-up), and writes the calendar file. Problems are told when they differ from
    // those told last.
    void 刷新任务();
    // Looks at the clock again now: at the minute's refresh, at the moment the view was asked to
    // look again, after the wall clock was set or the computer woke.
    void LookAgain();

    // The menu is opening: its ticks, start at login as the system holds it now.
    void MenuOpens();
    void TurnNotifications(bool on);
    void ChooseWarningLeads(const std::vector<int>& leads);
    void TurnWarningSound(bool on);
    void TurnLoginStart(bool on);
    // The window was dragged there.
    void KeepWindowPosition(WindowPosition position);
    // Writes the schedule as a calendar to the file the user chose.
    void ExportCalendar(const std::filesystem::path& file);
    // Keeps the schedule as a calendar in the file (a full path) from now on, written at once;
    // none (empty): the file is no longer written.
    void ChooseCalendarFile(std::u16string file);

  private:
    // Reloads at once when the board says a change shows at once; the calendar file follows every
    // change.
    void ScheduleChanged(ScheduleChange change) override;
    // Writes the calendar file, when one is set. Only the first failure is told: the schedule
    // changes often, and the user is told it again only for a file chosen anew.
    void KeepCalendar();
    // Shows the texts of the board's look at the clock's time, sends what the look says to send,
    // has the view look again when it says and tells the message it gives.
    void EvaluateStatus();
    // Asks the desktop's service; answered runs with its answer while the view is still there.
    void AskService(std::function<void(bool available)> answered);
    // The answer to a change of notifications: the service, the ticks, a message, and the next
    // look aimed at the next opening or warning.
    void NotificationsTurned(const std::u16string& message);
    void ShowTicks();
    // The message for the setting's save that failed; empty when it did not.
    std::u16string SaveMessage(std::u16string_view key, std::error_code error) const;
    void Inform(const std::u16string& message);

    StatusBoard& board;
    Settings& settings;
    ScheduleStore& schedule;
    Clock clock;
    NotificationService& desktop;
    StatusView* view = nullptr;
    bool calendarFailureTold = false;
    // One for each view attached: the service's answers hold it weakly, so that an answer that
    // comes after its view has gone is dropped.
    std::shared_ptr<const bool> attachment;
};
