#include "platform/FileBytes.h"

bool IsRegularFile(const std::filesystem::path& path) {
    // A path that cannot be looked at holds no file that can be read: the caller's next step (the
    // default file's write, or the read) then reports the reason.
    std::error_code unknown;
    return std::filesystem::is_regular_file(path, unknown);
}
