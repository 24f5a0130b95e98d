#include "store/ini/IniLocation.h"

#include "platform/Files.h"
#include "platform/Session.h"

namespace fs = std::filesystem;

namespace {

// Why fs::create_directories(folder) would fail (see PreviewIniPath).
std::error_code CheckFoldersCreatable(const fs::path& folder) {
    std::error_code unknown;  // a part that cannot be looked at counts as missing
    fs::path existing = folder;
    while (!fs::exists(fs::symlink_status(existing, unknown)) && existing.has_relative_path())
        existing = existing.parent_path();
    const fs::file_status status = fs::status(existing, unknown);
    if (fs::is_directory(status)) {
        return existing == folder || CanCreateFilesIn(existing)
                   ? std::error_code{}
                   : std::make_error_code(std::errc::permission_denied);
    }
    return std::make_error_code(fs::exists(status) ? std::errc::not_a_directory
                                                   : std::errc::file_exists);
}

}  // namespace

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

IniLocation PreviewIniPath(const fs::path& executable) {
    fs::path file = FindIniPath(executable);
    if (file.parent_path() == executable.parent_path())
        return {std::move(file), {}};
    const std::error_code error = CheckFoldersCreatable(file.parent_path());
    return {std::move(file), error};
}
