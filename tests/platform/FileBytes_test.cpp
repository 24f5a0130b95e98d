#include "platform/Files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/platform/FileBytesTestFiles.h"
#include "tests/support/TempFolder.h"

namespace {

using testing::ElementsAre;

TEST(FileBytes, ReplacesContentWithExactlyTheseBytes) {
    const std::string contents[] = {
        "",
        "[s]\r\nk=v\r\n",
        std::string("zero\0byte\xD6\xD0\x81", 13),
        std::string(3 * 1024 * 1024 + 17, 'x'),
    };
    for (const std::string& content : contents) {
        TempFolder folder;
        WriteTestFile(folder / "GM.ini", "old content that is longer than some new ones");
        EXPECT_FALSE(ReplaceFileAtomically(folder / "GM.ini", content));
        EXPECT_EQ(ReadBack(folder / "GM.ini"), content);
        EXPECT_THAT(folder.Names(), ElementsAre("GM.ini"));
    }
}

TEST(FileBytes, CreatesAMissingFile) {
    TempFolder folder;
    EXPECT_FALSE(ReplaceFileAtomically(folder / "GM.ini", "new"));
    EXPECT_EQ(ReadBack(folder / "GM.ini"), "new");
    EXPECT_THAT(folder.Names(), ElementsAre("GM.ini"));
}

TEST(FileBytes, RelativePathIsReplacedInTheCurrentFolder) {
    TempFolder folder;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    std::error_code error = ReplaceFileAtomically("GM.ini", "here");
    std::filesystem::current_path(previous);
    EXPECT_FALSE(error) << error.message();
    EXPECT_EQ(ReadBack(folder / "GM.ini"), "here");
}

TEST(FileBytes, FolderInPlaceOfTheFileIsRefusedAndKept) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "GM.ini");
    EXPECT_EQ(ReplaceFileAtomically(folder / "GM.ini", "x"), std::errc::is_a_directory);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "GM.ini"));
    EXPECT_THAT(folder.Names(), ElementsAre("GM.ini"));
}

TEST(FileBytes, MissingFolderIsReported) {
    TempFolder folder;
    EXPECT_EQ(ReplaceFileAtomically(folder / "gone" / "GM.ini", "x"),
              std::errc::no_such_file_or_directory);
    EXPECT_TRUE(folder.Names().empty());
}

TEST(FileBytes, ReadingWhatIsNoFileFails) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "folder");
    const struct {
        std::string name;
        std::errc expected;
    } cases[] = {
        {"missing.ini", std::errc::no_such_file_or_directory},
        {"folder", std::errc::is_a_directory},
    };
    for (const auto& c : cases) {
        const Outcome<std::string> read = ReadFileBytes(folder / c.name);
        EXPECT_EQ(read.value, "") << c.name;
        EXPECT_EQ(read.problem, c.expected) << c.name;
    }
}

TEST(FileBytes, ReadingClearsAnEarlierError) {
    TempFolder folder;
    WriteTestFile(folder / "GM.ini", "abc");
    const Outcome<std::string> read = ReadFileBytes(folder / "GM.ini");
    EXPECT_EQ(read.value, "abc");
    EXPECT_FALSE(read.problem);
}

TEST(FileBytes, IsRegularFileOnlyForFiles) {
    TempFolder folder;
    WriteTestFile(folder / "file", "");
    std::filesystem::create_directory(folder / "folder");
    EXPECT_TRUE(IsRegularFile(folder / "file"));
    EXPECT_FALSE(IsRegularFile(folder / "folder"));
    EXPECT_FALSE(IsRegularFile(folder / "missing"));
}

}  // namespace
