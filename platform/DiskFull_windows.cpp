#include <windows.h>

#include "platform/DiskFull.h"

bool IsDiskFullError(std::error_code error) {
    bool isWindows = error.category() == std::system_category();
    return error == std::errc::no_space_on_device ||
           (isWindows &&
            (error.value() == ERROR_DISK_FULL || error.value() == ERROR_HANDLE_DISK_FULL));
}
