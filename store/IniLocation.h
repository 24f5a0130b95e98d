#pragma once

#include <filesystem>
#include <system_error>

// Where the schedule file lives, decided once at start-up.
struct IniLocation {
    std::filesystem::path file;
    std::error_code folderError{};  // set when the file's folder could not be created
};

// GM.ini beside the executable when a file of that name is already there or the user may create
// files in that folder, so that a copy in a folder of its own stays portable. Otherwise GM.ini in
// the user's own folder for the program (see UserFolder). Creates nothing.
std::filesystem::path FindIniPath(const std::filesystem::path& executable);

// The path of FindIniPath; the user's own folder is created when the file is to be there and the
// folder is missing.
IniLocation ResolveIniPath(const std::filesystem::path& executable);
