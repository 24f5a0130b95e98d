#include "platform/WriteAccess_posix.h"

#include <unistd.h>

#include <cerrno>

std::error_code CheckWriteAccess(const std::filesystem::path& path, const struct stat& info,
                                 int access) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return std::make_error_code(std::errc::permission_denied);
    if (::access(path.c_str(), access) != 0)
        return {errno, std::generic_category()};
    return {};
}
