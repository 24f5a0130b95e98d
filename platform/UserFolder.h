#pragma once

#include <filesystem>

// The folder for this program's files of the current user: $XDG_CONFIG_HOME/quillot, or
// ~/.config/quillot when that variable is unset, empty or not absolute; %APPDATA%\Quillot on
// Windows. Empty when the system names no such place. The folder may not exist yet.
std::filesystem::path UserFolder();

// True when the current user may create files in the folder. A folder whose mode bits grant
// nobody write access counts as read-only even for root, as the file writer treats it.
bool CanCreateFilesIn(const std::filesystem::path& folder);
