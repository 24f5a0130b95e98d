#include "store/FileErrorText.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Files.h"
#include "tests/support/TempFolder.h"

namespace {

const std::u16string kNoPermission = u"没有写入权限（文件或文件夹为只读）";
const std::u16string kDiskFull = u"磁盘空间不足";
const std::u16string kFolder = u"GM.ini 是一个文件夹，不是文件";
const std::u16string kMissing = u"找不到文件或文件夹";

TEST(FileErrorText, NamesTheCommonReasons) {
    const struct {
        std::errc error;
        std::u16string text;
    } cases[] = {
        {std::errc::permission_denied, kNoPermission},
        {std::errc::operation_not_permitted, kNoPermission},
        {std::errc::read_only_file_system, kNoPermission},
        {std::errc::no_space_on_device, kDiskFull},
        {std::errc::is_a_directory, kFolder},
        {std::errc::no_such_file_or_directory, kMissing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescribeFileError(std::make_error_code(c.error), FileAccess::Write), c.text)
            << std::make_error_code(c.error).message();
    }
    EXPECT_EQ(
        DescribeFileError(std::make_error_code(std::errc::permission_denied), FileAccess::Read),
        u"没有读取权限");
}

TEST(FileErrorText, OtherReasonsCarryTheSystemMessage) {
    std::u16string text =
        DescribeFileError(std::make_error_code(std::errc::io_error), FileAccess::Read);
    const std::u16string prefix = u"无法读写文件：";
    ASSERT_EQ(text.substr(0, prefix.size()), prefix);
    EXPECT_GT(text.size(), prefix.size() + 3);
    EXPECT_EQ(text.find(kNoPermission), std::u16string::npos);
}

TEST(FileErrorText, DescribesWhatTheFileFunctionsReport) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "GM.ini");
    const auto write = [](std::error_code error) {
        return DescribeFileError(error, FileAccess::Write);
    };
    EXPECT_EQ(write(ReplaceFileAtomically(folder / "GM.ini", "x")), kFolder);
    EXPECT_EQ(write(ReplaceFileAtomically(folder / "none" / "GM.ini", "x")), kMissing);
    EXPECT_EQ(DescribeFileError(ReadFileBytes(folder / "missing.ini").problem, FileAccess::Read),
              kMissing);
}

}  // namespace
