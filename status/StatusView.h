#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/ProgramSettings.h"

// The ticks of the status window's menu: the settings as they stand.
struct StatusTicks {
    bool notifying = false;
    std::vector<int> warningLeads;
    bool warningSound = false;
    bool startsAtLogin = false;
    // The calendar file kept up to date, as set; empty: none.
    std::u16string calendarFile;
};

// The status window as its controller sees it: it shows what it is given and decides nothing.
class StatusView {
  public:
    // The two lists: what is open now and what opens soon, lines broken with CR LF.
    virtual void ShowTexts(const std::u16string& now, const std::u16string& soon) = 0;
    virtual void ShowTicks(const StatusTicks& ticks) = 0;
    // A message in a box titled Quillot.
    virtual void Inform(const std::u16string& message) = 0;
    // Puts the window where it was kept, when enough of it shows there.
    virtual void Place(WindowPosition position) = 0;
    // Asks for StatusController::LookAgain in so many seconds besides the minute's refresh; with
    // nothing, only at the minute's refresh.
    virtual void LookAgainIn(std::optional<std::int32_t> seconds) = 0;

  protected:
    ~StatusView() = default;
};
