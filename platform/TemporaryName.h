#pragma once

#include <filesystem>
#include <optional>

// The names of the temporary files that replacing a file (ReplaceFileAtomically) writes beside
// it, and that RemoveAbandonedTemporaries looks for: ".GM.ini.<pid>.<n>.<ticks>.tmp" for a target
// named GM.ini, where <pid> is the writing process, <n> counts the temporary files of that process
// and <ticks> is read from a clock.

// A fresh name for a temporary file of the process pid beside the target.
std::filesystem::path TemporaryName(const std::filesystem::path& target, unsigned long long pid);

// The process id in the name when it is a temporary file name for the target, else nothing.
std::optional<unsigned long long> TemporaryWriter(const std::filesystem::path& name,
                                                  const std::filesystem::path& target);
