#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "store/ProgramSettings.h"
#include "store/ScheduleStore.h"

// Who uses the program's settings and hears of each one changed.
class SettingsListener {
  public:
    // key names the setting in GM.ini's settings section (store/ScheduleFileLayout.h).
    virtual void SettingChanged(std::u16string_view key) = 0;

  protected:
    ~SettingsListener() = default;
};

// The program's settings: the values read from GM.ini at start-up, each written back to the file
// as it changes, and start at login, which the system keeps. A change that cannot be stored leaves
// the setting as it was and returns why; a change stored is told to every listener.
class Settings {
  public:
    // values are those of the start-up's load (ScheduleStore::LoadAtStartup); executable is the
    // program that starts at login when the user asks for it.
    Settings(ScheduleStore& schedule, ProgramSettings values, std::filesystem::path executable);
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    const ProgramSettings& Values() const { return values; }

    std::error_code TurnNotifications(bool on);
    std::error_code SetWarningLeads(std::vector<int> leads);
    std::error_code SetWarningSound(bool on);
    // Keeps where the window was dragged; no write when it is where it was kept. Only the first
    // failure is returned: a window dragged often would otherwise have it told at every drag.
    std::error_code KeepWindowPosition(WindowPosition position);
    // A full path, or none (empty): the key is removed.
    std::error_code SetCalendarFile(std::u16string file);
    // The message for a change of the setting of that key (one of the five above) that could not
    // be stored.
    std::u16string DescribeSaveError(std::u16string_view key, std::error_code error) const;

    // Start at login is kept by the system, not in GM.ini: it is read each time it is asked.
    bool StartsAtLogin() const;
    std::error_code TurnLoginStart(bool on);
    // The message for a turn of start at login (on or off) that the system refused.
    static std::u16string DescribeLoginStartError(bool on, std::error_code error);

    void Listen(SettingsListener& listener);
    void StopListening(SettingsListener& listener);

  private:
    // Writes the key's value; on success applies the change and tells the listeners.
    template <typename Apply>
    std::error_code Save(std::u16string_view key, std::optional<std::u16string_view> value,
                         Apply apply);

    ScheduleStore& schedule;
    ProgramSettings values;
    std::filesystem::path executable;
    bool positionErrorReturned = false;
    std::vector<SettingsListener*> listeners;
};
