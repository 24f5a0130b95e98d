#include "store/IniLocation.h"

std::filesystem::path ResolveIniPath(const std::filesystem::path& executable) {
    return executable.parent_path() / "GM.ini";
}
