#pragma once

#include <filesystem>

// Where the schedule file of the program started from this executable lives: GM.ini in the
// executable's folder. Resolved once, at start-up.
std::filesystem::path ResolveIniPath(const std::filesystem::path& executable);
