// WriteIniValue on real files: the default schedule edited in place, missing files, and failures
// that must leave the file as it was.

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "schedule/ActivityValue.h"
#include "store/ScheduleFileLayout.h"
#include "store/ini/IniReaders.h"
#include "store/ini/IniWriter.h"
#include "tests/store/StoreTestFiles.h"
#include "tests/support/ReadOnlyFolder.h"
#include "text/Cp936.h"

namespace {

namespace fs = std::filesystem;

// The lines of a CR LF file, each with its line end.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end + 2 - start));
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line;
    return bytes;
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

class DefaultScheduleEdit : public testing::Test {
  protected:
    void SetUp() override {
        templateBytes = ReadBytes(StoreTestData() / "default-template-gbk.ini");
        ASSERT_EQ(Lines(templateBytes).size(), 35u);
        WriteTestFile(path, templateBytes);
    }
    std::vector<std::string> TemplateLines() const { return Lines(templateBytes); }

    TempFolder folder;
    fs::path path = folder / "GM.ini";
    std::string templateBytes;
};

TEST_F(DefaultScheduleEdit, DeletingTheFixedSampleRemovesExactlyLine25) {
    ASSERT_FALSE(WriteIniValue(kFixedSection, u"红包刷新时间", std::nullopt, path));
    std::vector<std::string> expected = TemplateLines();
    expected.erase(expected.begin() + 24);
    EXPECT_EQ(ReadBytes(path), Join(expected));
    EXPECT_TRUE(ReadIniKeys(kFixedSection, path).value.empty());
}

TEST_F(DefaultScheduleEdit, NewRangeActivityGoesRightAfterTheLastOne) {
    ASSERT_FALSE(WriteIniValue(kRangeSection, u"测试", u"07:00-08:00|每日", path));
    std::vector<std::string> expected = TemplateLines();
    expected.insert(expected.begin() + 30, EncodeCp936(u"测试=07:00-08:00|每日\r\n"));
    EXPECT_EQ(ReadBytes(path), Join(expected));
    EXPECT_EQ(NamesOf(ReadIniKeys(kRangeSection, path).value),
              (std::vector<std::u16string>{u"就餐时间", u"测试"}));
}

TEST_F(DefaultScheduleEdit, NewDurationChangesOnlyLine35) {
    ASSERT_FALSE(WriteIniValue(kDurationSection, kDurationKey, u"10", path));
    std::vector<std::string> expected = TemplateLines();
    expected[34] = EncodeCp936(u"持续时间=10\r\n");
    EXPECT_EQ(ReadBytes(path), Join(expected));
    std::error_code error;
    EXPECT_EQ(ReadValue(path, kDurationSection, kDurationKey, error), u"10");
}

TEST_F(DefaultScheduleEdit, AllThreeEditsTogether) {
    ASSERT_FALSE(WriteIniValue(kFixedSection, u"红包刷新时间", std::nullopt, path));
    ASSERT_FALSE(WriteIniValue(kRangeSection, u"测试", u"07:00-08:00|每日", path));
    ASSERT_FALSE(WriteIniValue(kDurationSection, kDurationKey, u"10", path));
    std::vector<std::string> expected = TemplateLines();
    expected[34] = EncodeCp936(u"持续时间=10\r\n");
    expected.insert(expected.begin() + 30, EncodeCp936(u"测试=07:00-08:00|每日\r\n"));
    expected.erase(expected.begin() + 24);
    EXPECT_EQ(ReadBytes(path), Join(expected));
    EXPECT_EQ(Lines(ReadBytes(path)).size(), 35u);
}

TEST_F(DefaultScheduleEdit, RemovingAMissingKeyDoesNotRewriteTheFile) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(24));
    // Read back: some file systems and runtimes keep the time less finely than it was set.
    const auto old = fs::last_write_time(path);
    ASSERT_FALSE(WriteIniValue(kFixedSection, u"没有这个", std::nullopt, path));
    ASSERT_FALSE(WriteIniValue(u"没有这节", u"红包刷新时间", std::nullopt, path));
    EXPECT_EQ(ReadBytes(path), templateBytes);
    EXPECT_EQ(fs::last_write_time(path), old);
}

TEST_F(DefaultScheduleEdit, SuccessfulWriteLeavesNoTemporaryFile) {
    ASSERT_FALSE(WriteIniValue(kRangeSection, u"测试", u"07:00-08:00|每日", path));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"GM.ini"});
}

TEST(IniWriterMissingFile, ValueCreatesOnlyThatSectionAndKey) {
    TempFolder folder;
    ASSERT_FALSE(WriteIniValue(kFixedSection, u"早会", u"09:00|每日", folder / "GM.ini"));
    EXPECT_EQ(ReadBytes(folder / "GM.ini"),
              EncodeCp936(u"[固定时间任务日程]\r\n早会=09:00|每日\r\n"));
}

TEST(IniWriterMissingFile, WrittenInCodePage936WithoutByteOrderMark) {
    TempFolder folder;
    ASSERT_FALSE(WriteIniValue(u"节", u"键", u"值", folder / "GM.ini"));
    EXPECT_EQ(ReadBytes(folder / "GM.ini"), "[\xBD\xDA]\r\n\xBC\xFC=\xD6\xB5\r\n");
}

TEST(IniWriterMissingFile, RemovingCreatesNoFile) {  // no empty file for the next start
    TempFolder folder;
    EXPECT_FALSE(WriteIniValue(kFixedSection, u"早会", std::nullopt, folder / "GM.ini"));
    EXPECT_FALSE(fs::exists(folder / "GM.ini"));
}

TEST(IniWriterMissingFile, MissingFolderIsReported) {
    TempFolder folder;
    EXPECT_TRUE(WriteIniValue(u"s", u"k", u"v", folder / "no-such-folder" / "GM.ini"));
}

// A write that cannot be made returns the reason and leaves the file and folder as they were.
class IniWriterFailure : public testing::Test {
  protected:
    void SetUp() override { WriteTestFile(path, original); }
    void ExpectUntouched() {
        EXPECT_EQ(ReadBytes(path), original);
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"GM.ini"});
    }

    TempFolder folder;
    fs::path path = folder / "GM.ini";
    std::string original = "[s]\r\nk=1\r\n";
};

TEST_F(IniWriterFailure, ReadOnlyFile) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(WriteIniValue(u"s", u"k", u"2", path));
    EXPECT_TRUE(WriteIniValue(u"s", u"k", std::nullopt, path));
    ExpectUntouched();
}

TEST_F(IniWriterFailure, ReadOnlyFolder) {
    std::error_code error;
    {
        ReadOnlyFolder readOnly(folder.Path());
        if (!readOnly.SkipReason().empty())
            GTEST_SKIP() << readOnly.SkipReason();
        error = WriteIniValue(u"s", u"new", u"2", path);
    }
    EXPECT_TRUE(error);
    ExpectUntouched();
}

TEST_F(IniWriterFailure, ScheduleIsAFolder) {
    const fs::path folderNamedLikeTheFile = folder / "sub" / "GM.ini";
    fs::create_directories(folderNamedLikeTheFile);
    EXPECT_TRUE(WriteIniValue(u"s", u"k", u"2", folderNamedLikeTheFile));
    EXPECT_TRUE(WriteIniValue(u"s", u"k", std::nullopt, folderNamedLikeTheFile));
    EXPECT_TRUE(fs::is_directory(folderNamedLikeTheFile));
    EXPECT_TRUE(fs::is_empty(folderNamedLikeTheFile));
}

}  // namespace
