#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "platform/AbandonedTemporaries.h"
#include "platform/FileBytes.h"
#include "platform/TemporaryName.h"
#include "platform/WriteAccess_posix.h"
#include "platform/WriteTarget_posix.h"

namespace fs = std::filesystem;

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd = -1) : descriptor(fd) {}
    ~FileDescriptor() {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    FileDescriptor(FileDescriptor&& other) noexcept
        : descriptor(std::exchange(other.descriptor, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        std::swap(descriptor, other.descriptor);
        return *this;
    }

    int get() const { return descriptor; }
    bool IsOpen() const { return descriptor >= 0; }

  private:
    int descriptor;
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

// A temporary file beside the target, open for writing and locked. Where the system offers it,
// the file is written without a name (O_TMPFILE), so that a process killed while writing leaves
// nothing behind, and is named only for the rename.
struct Temporary {
    FileDescriptor file;
    fs::path name;  // empty while the file has no name
};

// Locks the file for as long as this process has it open.
bool Lock(const FileDescriptor& file) {
    return ::flock(file.get(), LOCK_EX) == 0;
}

// An unnamed file in the folder, where the system and the file system offer them; none otherwise.
Temporary OpenUnnamed(const fs::path& folder, mode_t mode) {
    Temporary temporary;
#ifdef O_TMPFILE
    temporary.file = FileDescriptor(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (temporary.file.IsOpen() && !Lock(temporary.file))
        temporary.file = FileDescriptor();
#endif
    return temporary;
}

// A new file beside the target, under a name no other file has.
Temporary CreateNamed(const fs::path& target, mode_t mode, std::error_code& error) {
    Temporary temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary.name = target.parent_path() / TemporaryName(target, ::getpid());
        temporary.file = FileDescriptor(
            ::open(temporary.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (temporary.file.IsOpen()) {
            if (Lock(temporary.file))
                return temporary;
            error = LastError();
            ::unlink(temporary.name.c_str());
            temporary.file = FileDescriptor();
            return temporary;
        }
        if (errno != EEXIST)
            break;
    }
    error = LastError();
    return temporary;
}

// Gives the written unnamed file a temporary name beside the target.
std::error_code NameUnnamed(Temporary& temporary, const fs::path& target) {
    const std::string self = "/proc/self/fd/" + std::to_string(temporary.file.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path name = target.parent_path() / TemporaryName(target, ::getpid());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporary.name = std::move(name);
            return {};
        }
        if (errno != EEXIST)
            break;
    }
    return LastError();
}

std::error_code FillTemporary(const FileDescriptor& file, std::string_view bytes,
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
    return ::fsync(file.get()) == 0 ? std::error_code{} : LastError();
}

// Makes the rename itself durable. Some file systems cannot sync a folder; the new content is in
// place either way, so that is not reported.
void SyncFolder(const fs::path& folder) {
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen())
        ::fsync(directory.get());
}

// Where a replacement of a path writes: the path itself or the file a link points to, and what is
// there now.
struct ReplaceTarget {
    fs::path file;
    bool exists = false;
    struct stat existing {};
};

// The checks a replacement makes before it writes anything: where it writes, and why it cannot.
std::error_code FindReplaceTarget(const fs::path& path, ReplaceTarget& target) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error)
        return error;
    // A link stays and the file it points to is replaced, or created when it does not exist yet.
    target.file = WriteTarget(absolute, error);
    if (error)
        return error;
    target.exists = ::stat(target.file.c_str(), &target.existing) == 0;
    if (!target.exists && errno != ENOENT)
        return LastError();
    if (target.exists && S_ISDIR(target.existing.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    if (target.exists) {
        if ((error = CheckWriteAccess(target.file, target.existing, W_OK)))
            return error;
    }
    const fs::path folder = target.file.parent_path();
    struct stat folderInfo;
    if (::stat(folder.c_str(), &folderInfo) != 0)
        return LastError();
    return CheckWriteAccess(folder, folderInfo, W_OK | X_OK);
}

}  // namespace

std::optional<std::string> ReadFileBytes(const fs::path& path, std::error_code& error) {
    error.clear();
    // Without O_NONBLOCK, opening a named pipe would wait for a writer. It changes nothing for an
    // ordinary file.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info;
    if (!file.IsOpen() || ::fstat(file.get(), &info) != 0) {
        error = LastError();
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        error = std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                           : std::errc::invalid_argument);
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
    ReplaceTarget replaced;
    std::error_code error = FindReplaceTarget(path, replaced);
    if (error)
        return error;
    const fs::path& target = replaced.file;
    const fs::path folder = target.parent_path();
    RemoveAbandonedTemporaries(target);

    const mode_t mode = replaced.exists ? 0600 : 0666;
    const struct stat* keep = replaced.exists ? &replaced.existing : nullptr;
    Temporary temporary = OpenUnnamed(folder, mode);
    if (temporary.file.IsOpen()) {
        error = FillTemporary(temporary.file, bytes, keep);
        if (!error && NameUnnamed(temporary, target))
            temporary = Temporary();  // it cannot be named (no /proc): a named file instead
    }
    if (!temporary.file.IsOpen()) {
        temporary = CreateNamed(target, mode, error);
        if (!temporary.file.IsOpen())
            return error;
        error = FillTemporary(temporary.file, bytes, keep);
    }
    if (!error && ::rename(temporary.name.c_str(), target.c_str()) != 0)
        error = LastError();
    if (error) {
        if (!temporary.name.empty())
            ::unlink(temporary.name.c_str());
        return error;
    }
    SyncFolder(folder);
    return {};
}

std::error_code CheckFileReplaceable(const fs::path& path) {
    ReplaceTarget target;
    return FindReplaceTarget(path, target);
}
