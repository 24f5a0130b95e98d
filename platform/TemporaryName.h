#pragma once

#include <filesystem>
#include <functional>

// The names of the temporary files that replacing a file (ReplaceFileAtomically) writes beside
// it, and that RemoveAbandonedTemporaries looks for: ".GM.ini.<pid>.<n>.<ticks>.tmp" for a target
// named GM.ini, where <pid> is the writing process, <n> counts the temporary files of that process
// and <ticks> is read from a clock.

// A fresh name for a temporary file of the process pid beside the target.
std::filesystem::path TemporaryName(const std::filesystem::path& target, unsigned long long pid);

// Calls visit with the path and the writing process's id of each temporary file of the target in
// the target's folder. A folder that cannot be read ends the walk: what is not seen now is seen
// the next time.
void ForEachTemporary(
    const std::filesystem::path& target,
    const std::function<void(const std::filesystem::path& path, unsigned long long pid)>& visit);
