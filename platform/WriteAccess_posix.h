#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

// Whether the current user may write the file or folder at path, whose status info holds, and why
// not. access is W_OK for a file, W_OK | X_OK for a folder to create files in. A file or folder
// whose mode bits grant nobody write access was marked read-only by its user; that is honoured even
// for root, whom the system itself would let through.
std::error_code CheckWriteAccess(const std::filesystem::path& path, const struct stat& info,
                                 int access);
