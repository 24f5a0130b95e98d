#include "platform/Process.h"

#include <gtest/gtest.h>

namespace {

TEST(ExecutablePathWindows, IsTheFullPathOfThisProgram) {
    const std::filesystem::path path = ExecutablePath();
    EXPECT_TRUE(path.is_absolute()) << path;
    EXPECT_EQ(path.filename(), "platform_tests.exe");
    EXPECT_TRUE(std::filesystem::equivalent(path, PLATFORM_TESTS)) << path;
}

}  // namespace
