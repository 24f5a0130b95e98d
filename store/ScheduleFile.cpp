#include "ScheduleFile.h"

#include "ExecutablePath.h"

std::filesystem::path DefaultIniPath() { return ExecutablePath().parent_path() / "GM.ini"; }

std::filesystem::path ResolveIniPath(const std::filesystem::path& file) {
    return file.empty() ? DefaultIniPath() : file;
}
