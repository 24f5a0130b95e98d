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

// The location of ResolveIniPath, found without creating anything. folderError tells why the user's
// own folder could not be created, as far as can be told by looking at the nearest part of its
// path that exists: a file there, or a link to nothing, gives the error that creating the folders
// gives, and a folder in which the user may not create files (see CanCreateFilesIn) gives
// permission_denied. That is what creating them meets, except for root in a folder without write
// permission bits, which CanCreateFilesIn holds read-only and the system lets root write.
IniLocation PreviewIniPath(const std::filesystem::path& executable);
