#include "store/IniLocation.h"

#include "platform/UserFolder.h"

namespace fs = std::filesystem;

IniLocation ResolveIniPath(const fs::path& executable) {
    const fs::path folder = executable.parent_path();
    const fs::path beside = folder / "GM.ini";
    std::error_code ignored;  // a file that cannot be looked at is not a file that is there
    if (fs::exists(fs::symlink_status(beside, ignored)) || CanCreateFilesIn(folder))
        return {beside, {}};
    const fs::path own = UserFolder();
    if (own.empty())
        return {beside, {}};
    std::error_code error;
    fs::create_directories(own, error);
    return {own / "GM.ini", error};
}
