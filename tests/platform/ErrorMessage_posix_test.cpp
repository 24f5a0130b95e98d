#include "platform/ErrorMessage.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "store/FileErrorText.h"

namespace {

// An error whose message is given bytes, as a localised system message would be.
class BytesCategory : public std::error_category {
  public:
    explicit BytesCategory(std::string message) : message_(std::move(message)) {}
    const char* name() const noexcept override { return "bytes"; }
    std::string message(int) const override { return message_; }

  private:
    std::string message_;
};

TEST(ErrorMessagePosix, LocalisedMessagesAreReadAsUtf8) {
    BytesCategory chinese("设备上没有空间\xFF");
    EXPECT_EQ(SystemErrorMessage(std::error_code(1, chinese)), u"设备上没有空间\uFFFD");
}

TEST(ErrorMessagePosix, ErrnoOfEitherCategoryIsRecognised) {
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
