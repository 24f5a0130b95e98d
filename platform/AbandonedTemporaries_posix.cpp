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
#include <vector>

#include "platform/AbandonedTemporaries.h"
#include "platform/TemporaryName.h"
#include "platform/WriteTarget_posix.h"

namespace fs = std::filesystem;

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
