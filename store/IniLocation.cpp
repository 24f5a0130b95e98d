#include "store/IniLocation.h"

#include "platform/UserFolder.h"

namespace fs = std::filesystem;

fs::path FindIniPath(const fs::path& executable) {
    const fs::path folder = executable.parent_path();
    const fs::path beside = folder / "GM.ini";
    std::error_code ignored;  // a file that cannot be looked at is not a file that is there
    if (fs::exists(fs::symlink_status(beside, ignored)) || CanCreateFilesIn(folder))
        return beside;
    const fs::path own = UserFolder();
    return own.empty() ? beside : own / "GM.ini";
}

IniLocation ResolveIniPath(const fs::path& executable) {
    fs::path file = FindIniPath(executable);
    if (file.parent_path() == executable.parent_path())
        return {std::move(file), {}};
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    return {std::move(file), error};
}
