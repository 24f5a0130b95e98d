#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/Files.h"
#include "platform/TemporaryName.h"

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

constexpr int kMaxLinks = 40;  // as the kernel allows when it follows links itself

// The file that a write to path changes: path itself, or for a symbolic link the file it points
// to, through further links, whether that file exists yet or not.
fs::path WriteTarget(const fs::path& path, std::error_code& error) {
    fs::path target = path;
    for (int links = 0;; ++links) {
        std::error_code notALink;
        if (!fs::is_symlink(target, notALink))
            return target;
        if (links == kMaxLinks) {
            error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            return path;
        }
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            return path;
        // A relative link is read from the folder the link is in.
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

// Whether the current user may write the file or folder at path, whose status info holds, and why
// not. access is W_OK for a file, W_OK | X_OK for a folder to create files in. A file or folder
// whose mode bits grant nobody write access was marked read-only by its user; that is honoured even
// for root, whom the system itself would let through.
std::error_code CheckWriteAccess(const fs::path& path, const struct stat& info, int access) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return std::make_error_code(std::errc::permission_denied);
    if (::access(path.c_str(), access) != 0)
        return LastError();
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

Outcome<std::string> ReadFileBytes(const fs::path& path) {
    // Without O_NONBLOCK, opening a named pipe would wait for a writer. It changes nothing for an
    // ordinary file.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info;
    if (!file.IsOpen() || ::fstat(file.get(), &info) != 0) {
        return {{}, LastError()};
    }
    if (!S_ISREG(info.st_mode)) {
        return {{},
                std::make_error_code(S_ISDIR(info.st_mode) ? std::errc::is_a_directory
                                                           : std::errc::invalid_argument)};
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            return {std::move(bytes), {}};
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return {{}, LastError()};
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

namespace {

// The clocks of the file system and of /proc are read to the second at worst.
constexpr double kClockSlackSeconds = 2.0;

// When the process started, in seconds since 1970, from /proc; nothing when that is unknown.
std::optional<double> ProcessStartTime(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return std::nullopt;
    // Field 22 is the start in clock ticks after boot. The name in field 2 may hold anything, so
    // the fields are counted from its closing parenthesis on, starting with field 3.
    const std::size_t nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        return std::nullopt;
    std::istringstream rest(line.substr(nameEnd + 1));
    const std::vector<std::string> fields{std::istream_iterator<std::string>(rest), {}};
    constexpr std::size_t kStartField = 22 - 3;
    if (fields.size() <= kStartField)
        return std::nullopt;
    const double ticksAfterBoot = std::strtod(fields[kStartField].c_str(), nullptr);

    std::ifstream system("/proc/stat");
    for (std::string name; system >> name;) {
        double bootTime = 0;
        if (name == "btime" && system >> bootTime)
            return bootTime + ticksAfterBoot / static_cast<double>(::sysconf(_SC_CLK_TCK));
    }
    return std::nullopt;
}

// Whether the process named by the temporary file may be the one that wrote it: a process of that
// id runs, and it did not start only after the file was last written (the id of an ended process
// is handed out again). Unknown counts as possible.
bool WriterMayRun(pid_t pid, const struct stat& file) {
    if (::kill(pid, 0) != 0 && errno == ESRCH)
        return false;
    const std::optional<double> started = ProcessStartTime(pid);
    const double written = static_cast<double>(file.st_mtim.tv_sec) + file.st_mtim.tv_nsec * 1e-9;
    return !started || *started <= written + kClockSlackSeconds;
}

// A writer holds an exclusive flock on its temporary file from before the file has a name until it
// is renamed over the target, except in the moment between creating a named file and locking it;
// its process runs then, which WriterMayRun sees. The kernel drops the lock when the process ends,
// however it ends. Only ordinary files are opened, and a file is removed only while it is the one
// that was locked.
void RemoveIfAbandoned(const fs::path& path, pid_t writer) {
    struct stat named;
    if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode))
        return;
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
        !WriterMayRun(writer, opened) && ::lstat(path.c_str(), &named) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

}  // namespace

void RemoveAbandonedTemporaries(const fs::path& file) {
    std::error_code error;
    const fs::path target = WriteTarget(fs::absolute(file, error), error);
    if (error)
        return;
    ForEachTemporary(target, [](const fs::path& path, unsigned long long writer) {
        if (writer <= static_cast<unsigned long long>(std::numeric_limits<pid_t>::max()))
            RemoveIfAbandoned(path, static_cast<pid_t>(writer));
    });
}

bool CanCreateFilesIn(const fs::path& folder) {
    const fs::path place = folder.empty() ? fs::path(".") : folder;
    struct stat info;
    return ::stat(place.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           !CheckWriteAccess(place, info, W_OK | X_OK);
}
