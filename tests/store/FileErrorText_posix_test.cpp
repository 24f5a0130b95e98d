#include "store/FileErrorText.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(FileErrorTextPosix, ErrnoOfEitherCategoryIsRecognised) {
    const auto write = [](std::error_code error) {
        return DescribeFileError(error, FileAccess::Write);
    };
    EXPECT_EQ(write(std::error_code(EACCES, std::system_category())),
              u"没有写入权限（文件或文件夹为只读）");
    EXPECT_EQ(write(std::error_code(EDQUOT, std::system_category())), u"磁盘空间不足");
    EXPECT_EQ(write(std::error_code(EISDIR, std::generic_category())),
              u"GM.ini 是一个文件夹，不是文件");
}

}  // namespace
