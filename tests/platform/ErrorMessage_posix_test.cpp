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

TEST(ErrorMessagePosix, DecodesUtf8AndReplacesMalformedBytes) {
    const struct {
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"No space left on device", u"No space left on device"},
        {"设备上没有空间", u"设备上没有空间"},
        {"\xF0\x9F\x98\x80!", u"\U0001F600!"},
        {"a\xFF"
         "b",
         u"a\uFFFD"
         "b"},
        {"\xE8\xAE", u"\uFFFD\uFFFD"},            // cut short
        {"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong "/"
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // a surrogate
        {"\xE8"
         "x\xAE",
         u"\uFFFDx\uFFFD"},  // a lead byte without its trail
    };
    for (const auto& c : cases) {
        BytesCategory category(c.bytes);
        EXPECT_EQ(SystemErrorMessage(std::error_code(1, category)), c.text)
            << testing::PrintToString(c.bytes);
    }
}

TEST(ErrorMessagePosix, ErrnoOfEitherCategoryIsRecognised) {
    EXPECT_EQ(DescribeFileError(std::error_code(EACCES, std::system_category())),
              u"没有写入权限（文件或文件夹为只读）");
    EXPECT_EQ(DescribeFileError(std::error_code(EDQUOT, std::system_category())), u"磁盘空间不足");
    EXPECT_EQ(DescribeFileError(std::error_code(EISDIR, std::generic_category())),
              u"GM.ini 是一个文件夹，不是文件");
}

}  // namespace
