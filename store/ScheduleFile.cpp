#include "store/ScheduleFile.h"

#include "platform/ExecutablePath.h"

std::filesystem::path DefaultIniPath() {
    return ExecutablePath().parent_path() / "GM.ini";
}

std::filesystem::path ResolveIniPath(const std::filesystem::path& file) {
    return file.empty() ? DefaultIniPath() : file;
}
