#pragma once

#include <filesystem>
#include <system_error>

// The file that a write to path changes: path itself, or for a symbolic link the file it points
// to, through further links, whether that file exists yet or not.
std::filesystem::path WriteTarget(const std::filesystem::path& path, std::error_code& error);
