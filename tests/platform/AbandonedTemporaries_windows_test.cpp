#include "platform/Files.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/platform/FileBytesTestFiles.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

std::string TemporaryOf(unsigned long long pid, int counter = 0) {
    return ".GM.ini." + std::to_string(pid) + "." + std::to_string(counter) + ".123.tmp";
}

TEST(AbandonedTemporariesWindows, OnlyFilesOfWritersThatNoLongerRunGo) {
    const std::string own = TemporaryOf(GetCurrentProcessId());
    const std::string reused = TemporaryOf(GetCurrentProcessId(), 1);
    const std::string ended = TemporaryOf(4'000'000'000ULL);  // no process has such an id
    const std::string other = ".GM.ini.bak";
    TempFolder folder;
    for (const std::string& name : {own, reused, ended, other})
        WriteTestFile(folder / name, "part");
    // Written long before this process started: its id was another process's then.
    fs::last_write_time(folder / reused, fs::file_time_type::clock::now() - std::chrono::hours(24));

    RemoveAbandonedTemporaries(folder / "GM.ini");
    EXPECT_EQ(folder.Names().size(), 4u) << "nothing goes while GM.ini is missing";

    WriteTestFile(folder / "GM.ini", kOldBytes);
    RemoveAbandonedTemporaries(folder / "GM.ini");
    std::vector<std::string> expected = {own, other, "GM.ini"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.Names(), expected);
}

}  // namespace
