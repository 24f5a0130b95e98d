#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/Process.h"
#include "text/Utf8Text.h"

namespace fs = std::filesystem;

fs::path ExecutablePath() {
    std::error_code error;
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path{} : path;
}

std::vector<std::u16string> CommandLineArguments(int argc, const char* const* argv) {
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(DecodeUtf8(argv[i]));
    return arguments;
}

std::error_code WriteConsoleText(ConsoleStream stream, std::u16string_view text) {
    const int descriptor = stream == ConsoleStream::Output ? STDOUT_FILENO : STDERR_FILENO;
    const std::string bytes = EncodeUtf8(text);
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t now = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0)
            return {errno, std::generic_category()};
        if (now == 0)
            return std::make_error_code(std::errc::io_error);
        written += static_cast<std::size_t>(now);
    }
    return {};
}

namespace {

// 128-bit FNV-1a: different executable paths do not share a lock file in practice.
std::string HexHash(const std::string& text) {
    unsigned __int128 hash =
        (static_cast<unsigned __int128>(0x6c62272e07bb0142ULL) << 64) | 0x62b821756295c58dULL;
    const unsigned __int128 prime = (static_cast<unsigned __int128>(1) << 88) | 0x13B;
    for (unsigned char byte : text) {
        hash ^= byte;
        hash *= prime;
    }
    static const char digits[] = "0123456789abcdef";
    std::string hex(32, '0');
    for (int i = 31; i >= 0; --i, hash >>= 4)
        hex[i] = digits[static_cast<unsigned>(hash & 0xF)];
    return hex;
}

// A folder only this user can change: $XDG_RUNTIME_DIR, else a private folder under /tmp.
std::optional<fs::path> RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/') {
        struct stat info;
        if (::stat(runtime, &info) == 0 && S_ISDIR(info.st_mode))
            return fs::path(runtime);
    }
    fs::path folder = "/tmp/quillot-" + std::to_string(::geteuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat info;
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid() || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return std::nullopt;
    }
    return folder;
}

}  // namespace

struct SingleInstance::Handle {
    fs::path lockFile;
    int fd = -1;
};

SingleInstance::SingleInstance(std::unique_ptr<Handle> handle) : handle(std::move(handle)) {}

// The lock file goes while still locked; a process that opened it meanwhile sees that the file it
// locked is no longer the one at the path, and starts over.
SingleInstance::~SingleInstance() {
    if (handle->fd < 0)
        return;
    ::unlink(handle->lockFile.c_str());
    ::close(handle->fd);
}

namespace {

enum class LockResult { Locked, HeldElsewhere, Replaced, Failed };

LockResult LockFile(const fs::path& lockFile, int& fd) {
    fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return LockResult::Failed;
    LockResult result = LockResult::Locked;
    struct stat locked;
    struct stat current;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        result = errno == EWOULDBLOCK ? LockResult::HeldElsewhere : LockResult::Failed;
    } else if (::fstat(fd, &locked) != 0 || ::stat(lockFile.c_str(), &current) != 0 ||
               locked.st_dev != current.st_dev || locked.st_ino != current.st_ino) {
        result = LockResult::Replaced;
    }
    if (result != LockResult::Locked) {
        ::close(fd);
        fd = -1;
    }
    return result;
}

}  // namespace

// The kernel drops an flock when the last descriptor of the lock file closes, which includes the
// end of the process however it ends. When no lock can be taken at all (no private folder), the
// program runs rather than refusing to start.
std::unique_ptr<SingleInstance> SingleInstance::Acquire(const fs::path& executable) {
    auto instanceHandle = std::make_unique<Handle>();
    std::error_code error;
    fs::path identity = fs::absolute(executable, error).lexically_normal();
    std::optional<fs::path> folder = RuntimeFolder();
    if (folder && !error) {
        instanceHandle->lockFile = *folder / ("quillot-" + HexHash(identity.string()) + ".lock");
        for (int attempt = 0; attempt < 10; ++attempt) {
            LockResult result = LockFile(instanceHandle->lockFile, instanceHandle->fd);
            if (result == LockResult::HeldElsewhere)
                return nullptr;
            if (result != LockResult::Replaced)
                break;
        }
    }
    return std::unique_ptr<SingleInstance>(new SingleInstance(std::move(instanceHandle)));
}
