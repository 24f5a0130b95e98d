#include <windows.h>

#include <gtest/gtest.h>

#include "platform/SystemError.h"
#include "tests/platform/BytesCategory.h"

namespace {

std::error_code WindowsError(DWORD code) {
    return {static_cast<int>(code), std::system_category()};
}

TEST(ErrorMessageWindows, RuntimeMessagesAreReadInTheAnsiCodePage) {
    ASSERT_EQ(GetACP(), 936u) << "the Windows tests run with code page 936 as the ANSI code page";
    BytesCategory chinese("\xB4\xC5\xC5\xCC\xD2\xD1\xC2\xFA");
    EXPECT_EQ(SystemErrorMessage(std::error_code(1, chinese)), u"磁盘已满");
}

// The system's own text, whole, in its own language, without the line end that ends it.
TEST(ErrorMessageWindows, SystemMessagesHaveNoLineEnd) {
    for (DWORD code : {DWORD{ERROR_SHARING_VIOLATION}, DWORD{ERROR_WRITE_PROTECT},
                       DWORD{ERROR_UNABLE_TO_REMOVE_REPLACED}, DWORD{0x20001234}}) {
        const std::u16string text = SystemErrorMessage(WindowsError(code));
        ASSERT_FALSE(text.empty()) << code;
        EXPECT_NE(text.back(), u'\n') << code;
        EXPECT_NE(text.back(), u'\r') << code;
        EXPECT_EQ(text.find(u'\0'), std::u16string::npos) << code;
    }
}

TEST(DiskFullWindows, OnlyAFullDisk) {
    const struct {
        std::error_code error;
        bool full;
    } cases[] = {
        {WindowsError(ERROR_DISK_FULL), true},
        {WindowsError(ERROR_HANDLE_DISK_FULL), true},
        {std::make_error_code(std::errc::no_space_on_device), true},
        {WindowsError(ERROR_ACCESS_DENIED), false},
        {WindowsError(ERROR_WRITE_FAULT), false},
        // The same numbers mean something else outside the system's category.
        {std::error_code(ERROR_DISK_FULL, std::generic_category()), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsDiskFullError(c.error), c.full)
            << c.error.category().name() << ' ' << c.error.value();
    }
}

}  // namespace
