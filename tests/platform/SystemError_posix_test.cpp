#include "platform/SystemError.h"

#include <gtest/gtest.h>

#include "tests/platform/BytesCategory.h"

namespace {

TEST(ErrorMessagePosix, LocalisedMessagesAreReadAsUtf8) {
    BytesCategory chinese("设备上没有空间\xFF");
    EXPECT_EQ(SystemErrorMessage(std::error_code(1, chinese)), u"设备上没有空间\uFFFD");
}

}  // namespace
