#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/platform/FileBytesTestFiles.h"
#include "tests/support/TempFolder.h"

namespace {

using testing::ElementsAre;

// GM.ini opened by another program (a virus scanner, an editor) that lets others read it but
// not replace it.
HANDLE HoldOpen(const std::filesystem::path& path) {
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(FileBytesWindows, KeepsTheHiddenAndSystemMarks) {
    constexpr DWORD kMarks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    for (DWORD marks : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM}, kMarks}) {
        TempFolder folder;
        WriteTestFile(folder / "GM.ini", kOldBytes);
        ASSERT_TRUE(SetFileAttributesW((folder / "GM.ini").c_str(), marks));
        EXPECT_FALSE(ReplaceFileAtomically(folder / "GM.ini", "new"));
        EXPECT_EQ(GetFileAttributesW((folder / "GM.ini").c_str()) & kMarks, marks) << marks;
        EXPECT_EQ(ReadBack(folder / "GM.ini"), "new");
    }
}

TEST(FileBytesWindows, FileHeldOpenByAnotherProgramIsReportedAndKept) {
    TempFolder folder;
    WriteTestFile(folder / "GM.ini", kOldBytes);
    HANDLE held = HoldOpen(folder / "GM.ini");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::error_code error = ReplaceFileAtomically(folder / "GM.ini", "new");
    CloseHandle(held);
    EXPECT_TRUE(error);
    EXPECT_EQ(ReadBack(folder / "GM.ini"), kOldBytes);
    EXPECT_THAT(folder.Names(), ElementsAre("GM.ini"));
}

// The replacement is tried again for a while: a file held open only for a moment is replaced.
TEST(FileBytesWindows, FileHeldOpenForAMomentIsReplaced) {
    TempFolder folder;
    WriteTestFile(folder / "GM.ini", kOldBytes);
    HANDLE held = HoldOpen(folder / "GM.ini");
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    // Let go once the new bytes wait beside GM.ini, so that the first attempt finds it held.
    std::thread other([&folder, held] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (folder.Names().size() < 2 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        CloseHandle(held);
    });
    const std::error_code error = ReplaceFileAtomically(folder / "GM.ini", "new");
    other.join();
    EXPECT_FALSE(error) << error.message();
    EXPECT_EQ(ReadBack(folder / "GM.ini"), "new");
    EXPECT_THAT(folder.Names(), ElementsAre("GM.ini"));
}

}  // namespace
