#include "platform/Files.h"
#include "platform/Session.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

TEST(UserFolderWindows, IsQuillotUnderAppData) {
    const wchar_t* old = _wgetenv(L"APPDATA");
    const std::wstring saved = old != nullptr ? old : L"";
    ASSERT_EQ(_wputenv_s(L"APPDATA", L"C:\\Users\\u\\AppData\\Roaming"), 0);
    EXPECT_EQ(UserFolder(), fs::path(L"C:\\Users\\u\\AppData\\Roaming\\Quillot"));
    _wputenv_s(L"APPDATA", saved.c_str());
}

TEST(UserFolderWindows, CreatingFilesIsTriedAndLeavesNothing) {
    TempFolder folder;
    EXPECT_TRUE(CanCreateFilesIn(folder.Path()));
    EXPECT_TRUE(fs::is_empty(folder.Path()));
    EXPECT_FALSE(CanCreateFilesIn(folder / "missing"));
}

}  // namespace
