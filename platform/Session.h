#pragma once

#include <ctime>
#include <filesystem>
#include <system_error>

// The user's session: the folder for the program's files, the local time, starting at login.

// The folder for this program's files of the current user: $XDG_CONFIG_HOME/quillot, or
// ~/.config/quillot when that variable is unset, empty or not absolute; %APPDATA%\Quillot on
// Windows. Empty when the system names no such place. The folder may not exist yet.
std::filesystem::path UserFolder();

// The calendar parts of a moment in the local time zone, taken in a thread-safe way.
std::tm LocalCalendarTime(std::time_t moment);

// Starting this program when the user logs in. On Linux and other freedesktop systems the entry is
// the autostart file $XDG_CONFIG_HOME/autostart/org.quillot.Quillot.desktop (~/.config when that
// variable is unset or not absolute); on Windows the value "Quillot" under
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run.

// True when the entry exists and starts this executable.
bool StartsAtLogin(const std::filesystem::path& executable);

// Writes the entry for this executable, or removes it. Returns the reason on failure; the entry is
// then as it was.
std::error_code SetStartAtLogin(const std::filesystem::path& executable, bool on);
