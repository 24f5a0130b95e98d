#include <windows.h>

#include <gtest/gtest.h>

#include "platform/SystemError.h"
#include "store/FileErrorText.h"

namespace {

std::error_code WindowsError(DWORD code) {
    return {static_cast<int>(code), std::system_category()};
}

TEST(FileErrorTextWindows, WindowsErrorsAreRecognised) {
    const std::u16string kNoPermission = u"没有写入权限（文件或文件夹为只读）";
    const std::u16string kDiskFull = u"磁盘空间不足";
    const std::u16string kMissing = u"找不到文件或文件夹";
    const struct {
        DWORD code;
        std::u16string text;
    } cases[] = {
        {ERROR_ACCESS_DENIED, kNoPermission}, {ERROR_FILE_NOT_FOUND, kMissing},
        {ERROR_PATH_NOT_FOUND, kMissing},     {ERROR_DISK_FULL, kDiskFull},
        {ERROR_HANDLE_DISK_FULL, kDiskFull},  {ERROR_WRITE_PROTECT, kNoPermission},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescribeFileError(WindowsError(c.code), FileAccess::Write), c.text) << c.code;
    }
    EXPECT_EQ(DescribeFileError(WindowsError(ERROR_ACCESS_DENIED), FileAccess::Read),
              u"没有读取权限");
    EXPECT_EQ(DescribeFileError(WindowsError(ERROR_SHARING_VIOLATION), FileAccess::Write),
              u"无法读写文件：" + SystemErrorMessage(WindowsError(ERROR_SHARING_VIOLATION)));
}

}  // namespace
