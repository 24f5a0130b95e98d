#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FileBytes.h"

// What the tests of the file functions put in a file and read back.

inline const std::string kOldBytes = "[s]\r\nk=old\r\n";

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBack(const std::filesystem::path& path) {
    std::error_code error;
    return ReadFileBytes(path, error).value_or("<unreadable: " + error.message() + ">");
}
