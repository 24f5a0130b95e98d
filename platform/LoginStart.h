#pragma once

#include <filesystem>
#include <system_error>

// Starting this program when the user logs in. On Linux and other freedesktop systems the entry is
// the autostart file $XDG_CONFIG_HOME/autostart/org.quillot.Quillot.desktop (~/.config when that
// variable is unset or not absolute); on Windows the value "Quillot" under
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run.

// True when the entry exists and starts this executable.
bool StartsAtLogin(const std::filesystem::path& executable);

// Writes the entry for this executable, or removes it. Returns the reason on failure; the entry is
// then as it was.
std::error_code SetStartAtLogin(const std::filesystem::path& executable, bool on);
