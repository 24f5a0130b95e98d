#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// What replacing a file and removing abandoned temporary files share on Windows.

// ".GM.ini.<pid>-<n>-<ticks>.tmp" for a target named GM.ini: a fresh name for a temporary file of
// this process beside the target.
std::wstring TemporaryName(const std::filesystem::path& target);

// The process id in the name when it is a temporary file name for the target, else nothing.
std::optional<DWORD> TemporaryWriter(std::wstring_view name, const std::filesystem::path& target);
