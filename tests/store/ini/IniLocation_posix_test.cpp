// Where GM.ini lives: beside the executable where that can work, else in the user's own folder.

#include "store/ini/IniLocation.h"

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/store/StoreTestFiles.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the life of the object, then restores it.
class ScopedVariable {
  public:
    ScopedVariable(const char* variable, std::optional<std::string> value) : name(variable) {
        if (const char* current = std::getenv(name))
            old = current;
        Set(value);
    }
    ~ScopedVariable() { Set(old); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name, value->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    const char* name;
    std::optional<std::string> old;
};

class IniLocationTest : public testing::Test {
  protected:
    void ReadOnlyProgramFolder() {
        fs::permissions(program,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

    TempFolder folder;
    fs::path program = folder / "bin";
    fs::path executable = program / "quillot";
    fs::path home = folder / "home";

    void SetUp() override {
        fs::create_directories(program);
        fs::create_directories(home);
    }
};

TEST_F(IniLocationTest, BesideTheExecutableWhenItsFolderIsWritable) {
    ScopedVariable config("XDG_CONFIG_HOME", (folder / "config").string());
    const IniLocation location = ResolveIniPath(executable);
    EXPECT_EQ(location.file, program / "GM.ini");
    EXPECT_FALSE(location.folderError);
    EXPECT_FALSE(fs::exists(folder / "config"));
}

TEST_F(IniLocationTest, BesideTheExecutableWhenAFileIsAlreadyThere) {
    WriteTestFile(program / "GM.ini", "[s]\r\n");
    ReadOnlyProgramFolder();
    ScopedVariable config("XDG_CONFIG_HOME", (folder / "config").string());
    EXPECT_EQ(ResolveIniPath(executable).file, program / "GM.ini");
}

TEST_F(IniLocationTest, UsersOwnFolderWhenTheProgramsFolderIsReadOnly) {
    ReadOnlyProgramFolder();
    ScopedVariable homeVariable("HOME", home.string());
    const struct {
        std::optional<std::string> config;
        fs::path expected;
    } cases[] = {
        {(folder / "config").string(), folder / "config" / "quillot" / "GM.ini"},
        {std::nullopt, home / ".config" / "quillot" / "GM.ini"},
        {std::string(), home / ".config" / "quillot" / "GM.ini"},
        {std::string("relative/config"), home / ".config" / "quillot" / "GM.ini"},
    };
    for (const auto& c : cases) {
        ScopedVariable config("XDG_CONFIG_HOME", c.config);
        const IniLocation location = ResolveIniPath(executable);
        EXPECT_EQ(location.file, c.expected) << c.config.value_or("(unset)");
        EXPECT_FALSE(location.folderError);
        EXPECT_TRUE(fs::is_directory(c.expected.parent_path()));
    }
    EXPECT_TRUE(fs::is_empty(program));
}

TEST_F(IniLocationTest, AFolderThatCannotBeCreatedIsReported) {
    ReadOnlyProgramFolder();
    WriteTestFile(folder / "config", "a file where the folder should be");
    ScopedVariable config("XDG_CONFIG_HOME", (folder / "config").string());
    const IniLocation location = ResolveIniPath(executable);
    EXPECT_EQ(location.file, folder / "config" / "quillot" / "GM.ini");
    EXPECT_TRUE(location.folderError);
}

}  // namespace
