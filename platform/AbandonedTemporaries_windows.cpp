#include <windows.h>

#include "platform/AbandonedTemporaries.h"
#include "platform/TemporaryName.h"

namespace fs = std::filesystem;

namespace {

// The clocks of the file system and of the process table are read to the second at worst.
constexpr ULONGLONG kClockSlack = 2ULL * 10'000'000;  // in 100-nanosecond units

ULONGLONG Ticks(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Whether the process named by the temporary file may be the one that wrote it: a process of that
// id runs (or cannot be looked at), and it did not start only after the file was last written (the
// id of an ended process is handed out again).
bool WriterMayRun(DWORD pid, const FILETIME& written) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr)
        return GetLastError() != ERROR_INVALID_PARAMETER;  // no process of that id
    DWORD exitCode = 0;
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    const bool running = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    const bool timed = GetProcessTimes(process, &created, &exited, &kernel, &user);
    CloseHandle(process);
    return running && (!timed || Ticks(created) <= Ticks(written) + kClockSlack);
}

}  // namespace

// A writer keeps its temporary file open without sharing while it writes, so the file cannot be
// removed then; from the close to the replacement its process runs, which WriterMayRun sees. While
// the target is missing nothing is removed: should a replacement have stopped half way, the
// temporary file holds the only copy of the schedule.
void RemoveAbandonedTemporaries(const fs::path& file) {
    std::error_code error;
    const fs::path target = fs::absolute(file, error);
    if (error || GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    ForEachTemporary(target, [](const fs::path& path, unsigned long long writer) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (writer > MAXDWORD ||
            !GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
            (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
            return;
        }
        if (!WriterMayRun(static_cast<DWORD>(writer), data.ftLastWriteTime))
            DeleteFileW(path.c_str());
    });
}
