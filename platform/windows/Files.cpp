#include <windows.h>

#include <string>

#include "platform/Files.h"
#include "platform/TemporaryName.h"

namespace fs = std::filesystem;

namespace {

std::error_code LastError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle(handle) {}
    ~FileHandle() {
        if (IsOpen())
            CloseHandle(handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE get() const { return handle; }
    bool IsOpen() const { return handle != INVALID_HANDLE_VALUE; }
    std::error_code Close() {
        HANDLE closing = handle;
        handle = INVALID_HANDLE_VALUE;
        return CloseHandle(closing) ? std::error_code{} : LastError();
    }

  private:
    HANDLE handle;
};

std::error_code WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return LastError();
        bytes.remove_prefix(written);
    }
    return {};
}

// Creates a new file beside the target, under a name no other file has.
FileHandle CreateTemporary(const fs::path& target, fs::path& temporary, std::error_code& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.parent_path() / TemporaryName(target, GetCurrentProcessId());
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return FileHandle(file);
        if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    error = LastError();
    return FileHandle(INVALID_HANDLE_VALUE);
}

// How Windows reports that another program (a virus scanner, a backup tool, an editor) holds the
// file open for a moment: a sharing or lock violation, or, depending on the call and the version,
// access denied or "unable to remove the replaced file".
bool MayBeHeldOpen(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Whether another program holds the file open without letting it be renamed or removed. Wine's
// ReplaceFileW leaves a temporary file of its own beside the target whenever it finds it so, so
// it is not called then.
bool IsHeldOpen(const fs::path& path) {
    HANDLE file =
        CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
}

// Puts the temporary file in the target's place. ReplaceFileW keeps the replaced file's attributes,
// owner and access-control list (an explicit one included, which a rename would lose); where they
// cannot be merged (a share without access-control lists) the file is replaced all the same. It
// needs an existing file to replace, so a new file is renamed into place. Without a backup file,
// ReplaceFileW reports ERROR_UNABLE_TO_MOVE_REPLACEMENT when it removed the old file but could not
// rename the new one: the rename is then tried on its own.
// Only Windows itself shows the owner and access-control list kept and that half-way failure;
// Wine's ReplaceFileW is a rename.
DWORD MoveIntoPlace(const fs::path& temporary, const fs::path& target) {
    if (IsHeldOpen(target))
        return ERROR_SHARING_VIOLATION;
    if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        return ERROR_SUCCESS;
    }
    DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT)
        return error;
    return MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? ERROR_SUCCESS
               : GetLastError();
}

// Tries again for about half a second while the target may be held open by another program.
std::error_code MoveIntoPlaceRetrying(const fs::path& temporary, const fs::path& target) {
    constexpr int kAttempts = 6;
    constexpr DWORD kPauseMilliseconds = 100;
    DWORD error = MoveIntoPlace(temporary, target);
    for (int attempt = 1; attempt < kAttempts && MayBeHeldOpen(error); ++attempt) {
        Sleep(kPauseMilliseconds);
        error = MoveIntoPlace(temporary, target);
    }
    return error == ERROR_SUCCESS
               ? std::error_code{}
               : std::error_code(static_cast<int>(error), std::system_category());
}

// The checks a replacement makes before it writes anything: the absolute path and the attributes
// of what is there now (INVALID_FILE_ATTRIBUTES when nothing is), and why it cannot be written.
std::error_code FindReplaceTarget(const fs::path& path, fs::path& target, DWORD& attributes) {
    std::error_code error;
    target = fs::absolute(path, error);
    if (error)
        return error;
    attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::make_error_code(std::errc::is_a_directory);
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return std::make_error_code(std::errc::permission_denied);
    return {};
}

}  // namespace

Outcome<std::string> ReadFileBytes(const fs::path& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return {{}, std::make_error_code(std::errc::is_a_directory)};
    }
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        return {{}, LastError()};
    }
    // A pipe or a device would keep the read waiting for input.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        return {{}, std::make_error_code(std::errc::invalid_argument)};
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr)) {
            return {{}, LastError()};
        }
        if (count == 0)
            return {std::move(bytes), {}};
        bytes.append(buffer, count);
    }
}

std::error_code ReplaceFileAtomically(const fs::path& path, std::string_view bytes) {
    fs::path target;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    std::error_code error = FindReplaceTarget(path, target, attributes);
    if (error)
        return error;
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;

    RemoveAbandonedTemporaries(target);
    fs::path temporary;
    FileHandle file = CreateTemporary(target, temporary, error);
    if (error)
        return error;
    error = WriteAll(file.get(), bytes);
    if (!error && !FlushFileBuffers(file.get()))
        error = LastError();
    if (!error)
        error = file.Close();
    // The replacement keeps the old file's hidden and system marks. ReplaceFileW carries them over
    // on Windows; Wine's does not, and a user may well run this build under Wine.
    if (!error && exists)
        SetFileAttributesW(temporary.c_str(), attributes);
    if (!error)
        error = MoveIntoPlaceRetrying(temporary, target);
    if (error) {
        if (file.IsOpen())
            file.Close();
        // Should ReplaceFileW have removed the old file without putting the new one in its place,
        // the temporary file holds the only copy of the schedule and stays.
        if (!exists || GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
            DeleteFileW(temporary.c_str());
        return error;
    }
    return {};
}

std::error_code CheckFileReplaceable(const fs::path& path) {
    fs::path target;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    return FindReplaceTarget(path, target, attributes);
}

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

// Access-control lists decide, so the only sure test is to create a file: one that the system
// deletes as soon as it is closed.
bool CanCreateFilesIn(const fs::path& folder) {
    const fs::path place = folder.empty() ? fs::path(L".") : folder;
    const std::wstring probe =
        (place / (L".quillot-probe-" + std::to_wstring(GetCurrentProcessId()))).wstring();
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}
