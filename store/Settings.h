#pragma once

#include <filesystem>
#include <string>
#include <string_view>
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
// the setting as it was and returns a message saying why; a change stored is told to every
// listener.
class Settings {
  public:
    // values are those of the start-up's load (ScheduleStore::LoadAtStartup); executable is the
    // program that starts at login when the user asks for it.
    Settings(ScheduleStore& schedule, ProgramSettings values, std::filesystem::path executable);
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    const ProgramSettings& Values() const { return values; }

    std::u16string TurnNotifications(bool on);
    std::u16string SetWarningLeads(std::vector<int> leads);
    std::u16string SetWarningSound(bool on);
    // Keeps where the window was dragged; no write when it is where it was kept. A failure is
    // told once: a window dragged often would otherwise say it at every drag.
    std::u16string KeepWindowPosition(WindowPosition position);

    // Start at login is kept by the system, not in GM.ini: it is read each time it is asked.
    bool StartsAtLogin() const;
    std::u16string TurnLoginStart(bool on);

    void Listen(SettingsListener& listener);
    void StopListening(SettingsListener& listener);

  private:
    // Writes the key's value; on success applies the change and tells the listeners.
    template <typename Apply>
    std::u16string Save(std::u16string_view key, std::u16string_view value,
                        std::u16string_view failure, Apply apply);

    ScheduleStore& schedule;
    ProgramSettings values;
    std::filesystem::path executable;
    bool positionFailureTold = false;
    std::vector<SettingsListener*> listeners;
};
