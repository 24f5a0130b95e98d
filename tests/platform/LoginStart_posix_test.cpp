#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/Session.h"
#include "tests/platform/FileBytesTestFiles.h"
#include "tests/support/TempFolder.h"

namespace {

// XDG_CONFIG_HOME pointing into a scratch folder for the test's life.
class LoginStartPosix : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            saved = old;
        ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    }
    void TearDown() override {
        if (saved)
            ::setenv("XDG_CONFIG_HOME", saved->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }
    std::filesystem::path Entry() const {
        return folder / "config" / "autostart" / "org.quillot.Quillot.desktop";
    }

    TempFolder folder;

  private:
    std::optional<std::string> saved;
};

TEST_F(LoginStartPosix, EntryStartsExactlyThisProgramAndPassesTheValidator) {
    const char* programs[] = {
        "/opt/quillot/quillot",
        "/home/李 雷/my apps/quillot",
        R"(/tmp/odd "quoted" $HOME `cmd` back\slash 100%/quillot)",
        "/tmp/tab\tand\nnewline/quillot",
    };
    for (const char* program : programs) {
        ASSERT_FALSE(SetStartAtLogin(program, true)) << program;
        EXPECT_TRUE(StartsAtLogin(program)) << program;
        EXPECT_FALSE(StartsAtLogin(std::string(program) + "2")) << program;
        EXPECT_FALSE(StartsAtLogin("/opt/quillot")) << program;
        const std::string validate = "desktop-file-validate '" + Entry().string() + "'";
        EXPECT_EQ(std::system(validate.c_str()), 0) << program << "\n" << ReadBack(Entry());

        ASSERT_FALSE(SetStartAtLogin(program, false)) << program;
        EXPECT_FALSE(std::filesystem::exists(Entry())) << program;
        EXPECT_FALSE(StartsAtLogin(program)) << program;
    }
    EXPECT_FALSE(SetStartAtLogin("/opt/quillot/quillot", false)) << "no entry to remove";
}

TEST_F(LoginStartPosix, AHiddenOrOtherEntryIsNotThisProgramsStart) {
    std::filesystem::create_directories(Entry().parent_path());
    WriteTestFile(Entry(),
                  "[Desktop Entry]\nType=Application\nName=Q\nExec=/opt/q/quillot\nHidden=true\n");
    EXPECT_FALSE(StartsAtLogin("/opt/q/quillot"));
    WriteTestFile(Entry(),
                  "[Other]\nExec=/opt/q/quillot\n[Desktop Entry]\nExec=/opt/q/quillot --x\n");
    EXPECT_TRUE(StartsAtLogin("/opt/q/quillot")) << "an unquoted program with an argument";
}

TEST_F(LoginStartPosix, FailuresAreReportedAndChangeNothing) {
    // The autostart folder cannot be made where a file has its name.
    std::filesystem::create_directories(folder / "config");
    WriteTestFile(folder / "config" / "autostart", "not a folder");
    EXPECT_TRUE(SetStartAtLogin("/opt/quillot/quillot", true));
    EXPECT_EQ(ReadBack(folder / "config" / "autostart"), "not a folder");

    EXPECT_EQ(SetStartAtLogin("/opt/bad\xff/quillot", true),
              std::make_error_code(std::errc::illegal_byte_sequence))
        << "a desktop entry is UTF-8";
}

}  // namespace
