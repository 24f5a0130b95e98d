#include <windows.h>

#include <atomic>
#include <string>

#include "platform/FileBytes.h"

namespace fs = std::filesystem;

namespace {

std::error_code LastError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsOpen())
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    std::error_code Close() {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) ? std::error_code{} : LastError();
    }

  private:
    HANDLE handle_;
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

std::wstring TemporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    return L"." + target.filename().wstring() + L"." + std::to_wstring(GetCurrentProcessId()) +
           L"-" + std::to_wstring(counter++) + L"-" + std::to_wstring(GetTickCount64() % 1000000) +
           L".tmp";
}

// Creates a new file beside the target, under a name no other file has.
FileHandle CreateTemporary(const fs::path& target, fs::path& temporary, std::error_code& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.parent_path() / TemporaryName(target);
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

}  // namespace

std::optional<std::string> ReadFileBytes(const fs::path& path, std::error_code& error) {
    error.clear();
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return std::nullopt;
    }
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        error = LastError();
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &count, nullptr)) {
            error = LastError();
            return std::nullopt;
        }
        if (count == 0)
            return bytes;
        bytes.append(buffer, count);
    }
}

std::error_code ReplaceFileAtomically(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    const fs::path target = fs::absolute(path, error);
    if (error)
        return error;

    DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) {
        return std::make_error_code(std::errc::permission_denied);
    }

    fs::path temporary;
    FileHandle file = CreateTemporary(target, temporary, error);
    if (error)
        return error;
    error = WriteAll(file.get(), bytes);
    if (!error && !FlushFileBuffers(file.get()))
        error = LastError();
    if (!error)
        error = file.Close();
    // The replacement keeps the old file's hidden, system and archive marks.
    if (!error && exists)
        SetFileAttributesW(temporary.c_str(), attributes);
    if (!error && !MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = LastError();
    }
    if (error) {
        if (file.IsOpen())
            file.Close();
        DeleteFileW(temporary.c_str());
        return error;
    }
    return {};
}
