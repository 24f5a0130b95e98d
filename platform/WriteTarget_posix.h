#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// What replacing a file and removing abandoned temporary files share on POSIX systems. A writer
// takes an exclusive flock on its temporary file before the file has a name and keeps it until the
// file has been renamed over the target; the kernel drops the lock when the process ends, however
// it ends.

// The file that a write to path changes: path itself, or for a symbolic link the file it points
// to, through further links, whether that file exists yet or not.
std::filesystem::path WriteTarget(const std::filesystem::path& path, std::error_code& error);

// ".GM.ini.<pid>.<n>.<ticks>.tmp" for a target named GM.ini: a fresh name for a temporary file of
// this process beside the target.
std::string TemporaryName(const std::filesystem::path& target);

// The process id in the name when it is a temporary file name for the target, else nothing.
std::optional<pid_t> TemporaryWriter(std::string_view name, const std::filesystem::path& target);
