#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/UserFolder.h"
#include "platform/WriteAccess_posix.h"
#include "platform/XdgConfigFolder_posix.h"

namespace fs = std::filesystem;

namespace {

// An absolute path from the environment, or empty.
fs::path AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/')
        return {};
    return fs::path(value);
}

fs::path HomeFolder() {
    if (fs::path home = AbsoluteFromEnvironment("HOME"); !home.empty())
        return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return {};
    }
    return fs::path(found->pw_dir);
}

}  // namespace

fs::path XdgConfigFolder() {
    if (fs::path config = AbsoluteFromEnvironment("XDG_CONFIG_HOME"); !config.empty())
        return config;
    const fs::path home = HomeFolder();
    return home.empty() ? fs::path() : home / ".config";
}

fs::path UserFolder() {
    const fs::path config = XdgConfigFolder();
    return config.empty() ? fs::path() : config / "quillot";
}

bool CanCreateFilesIn(const fs::path& folder) {
    const fs::path place = folder.empty() ? fs::path(".") : folder;
    struct stat info;
    return ::stat(place.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           !CheckWriteAccess(place, info, W_OK | X_OK);
}
