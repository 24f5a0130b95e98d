#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>

#include "platform/FileBytes.h"

namespace fs = std::filesystem;

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    std::error_code Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? std::error_code{} : LastError();
    }

  private:
    int fd_;
};

std::error_code WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// A file or folder whose mode bits grant nobody write access was marked read-only by its user.
// That is honoured even for root, whom the system itself would let through.
std::error_code CheckWritable(const fs::path& path, const struct stat& info, int access) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return std::make_error_code(std::errc::permission_denied);
    }
    return ::access(path.c_str(), access) == 0 ? std::error_code{} : LastError();
}

// A link is followed so that the file it points to is replaced and the link itself stays.
fs::path FollowLinks(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error))
        return path;
    fs::path target = fs::canonical(path, error);
    return error ? path : target;
}

std::string TemporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string name = ".";
    name += target.filename().string();
    for (auto part : {static_cast<long long>(::getpid()), static_cast<long long>(counter++),
                      static_cast<long long>(ticks % 1000000)}) {
        name += '.';
        name += std::to_string(part);
    }
    name += ".tmp";
    return name;
}

// Creates a new file beside the target, under a name no other file has.
FileDescriptor CreateTemporary(const fs::path& target, mode_t mode, fs::path& temporary,
                               std::error_code& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.parent_path() / TemporaryName(target);
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            return FileDescriptor(fd);
        if (errno != EEXIST)
            break;
    }
    error = LastError();
    return FileDescriptor();
}

std::error_code FillTemporary(FileDescriptor& file, std::string_view bytes,
                              const struct stat* existing) {
    if (existing != nullptr) {
        // Keeping the owner needs privileges that an ordinary user lacks; that is not an error.
        if (existing->st_uid != ::geteuid() || existing->st_gid != ::getegid()) {
            [[maybe_unused]] int ignored = ::fchown(file.get(), existing->st_uid, existing->st_gid);
        }
        if (::fchmod(file.get(), existing->st_mode & 07777) != 0)
            return LastError();
    }
    if (std::error_code error = WriteAll(file.get(), bytes))
        return error;
    if (::fsync(file.get()) != 0)
        return LastError();
    return file.Close();
}

// Makes the rename itself durable. Some file systems cannot sync a folder; the new content is in
// place either way, so that is not reported.
void SyncFolder(const fs::path& folder) {
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen())
        ::fsync(directory.get());
}

}  // namespace

std::optional<std::string> ReadFileBytes(const fs::path& path, std::error_code& error) {
    error.clear();
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (!file.IsOpen() || ::fstat(file.get(), &info) != 0) {
        error = LastError();
        return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            return bytes;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            error = LastError();
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

std::error_code ReplaceFileAtomically(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    const fs::path target = FollowLinks(fs::absolute(path, error));
    if (error)
        return error;
    const fs::path folder = target.parent_path();

    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return LastError();
    if (exists && S_ISDIR(existing.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    if (exists) {
        if ((error = CheckWritable(target, existing, W_OK)))
            return error;
    }
    struct stat folderInfo;
    if (::stat(folder.c_str(), &folderInfo) != 0)
        return LastError();
    if ((error = CheckWritable(folder, folderInfo, W_OK | X_OK)))
        return error;

    fs::path temporary;
    FileDescriptor file = CreateTemporary(target, exists ? 0600 : 0666, temporary, error);
    if (error)
        return error;
    error = FillTemporary(file, bytes, exists ? &existing : nullptr);
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = LastError();
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    return {};
}
