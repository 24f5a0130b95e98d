#pragma once

#include <filesystem>
#include <string>

#include "platform/Files.h"
#include "tests/support/TestFile.h"

// What the tests of the file functions put in a file and read back.

inline const std::string kOldBytes = "[s]\r\nk=old\r\n";

inline std::string ReadBack(const std::filesystem::path& path) {
    const Outcome<std::string> read = ReadFileBytes(path);
    return read.problem ? "<unreadable: " + read.problem.message() + ">" : read.value;
}
