// Any byte sequence loads, and an edit of it reads back: random files, huge files, long lines.

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/TaskLoader.h"
#include "store/ini/IniDocument.h"
#include "store/ini/IniEdit.h"
#include "store/ini/IniReaders.h"
#include "store/ini/IniWriter.h"
#include "tests/store/StoreTestFiles.h"
#include "text/Cp936.h"

namespace {

// Pieces that matter to the parser, mixed with bytes that are lead or trail bytes of code page
// 936, invalid in UTF-8, or halves of UTF-16 units.
std::string RandomFile(std::mt19937& random, std::string_view mark) {
    static const std::vector<std::string> kPieces = {"[s]",
                                                     "[S]",
                                                     " [ s ",
                                                     "[s",
                                                     "[t]",
                                                     "[]",
                                                     "k=",
                                                     "K = ",
                                                     ";k=",
                                                     "k",
                                                     "=",
                                                     "v",
                                                     "\"",
                                                     "'",
                                                     " ",
                                                     "\t",
                                                     "\v",
                                                     "\r\n",
                                                     "\n",
                                                     "\r",
                                                     "\r\n[s]\r\nk=",
                                                     "\nk=1\n",
                                                     std::string(1, '\0'),
                                                     "\x81",
                                                     "\x5D",
                                                     "\xD6\xD0",
                                                     "\xFF",
                                                     "\xEF\xBB",
                                                     std::string("\x00[", 2),
                                                     std::string("\x0D\x00", 2)};
    const bool utf16 = mark == "\xFF\xFE";
    std::uniform_int_distribution<std::size_t> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() - 1);
    std::bernoulli_distribution raw(0.05);
    std::string bytes(mark);
    for (std::size_t n = length(random); n > 0; --n) {
        const std::string& piece = kPieces[pick(random)];
        if (!utf16 || raw(random)) {
            bytes += piece;
            continue;
        }
        for (char byte : piece)
            bytes += {byte, '\0'};  // as UTF-16 units
    }
    return bytes;
}

std::size_t KeysNamed(const IniDocument& document, std::u16string_view section,
                      std::u16string_view key) {
    const IniSection* found = FindIniSection(document, section);
    if (found == nullptr)
        return 0;
    std::size_t count = 0;
    for (const IniKey& line : found->keys)
        count += line.name == key || line.name == u"K";
    return count;
}

class RandomBytes : public testing::TestWithParam<std::string_view> {};

TEST_P(RandomBytes, SetReadsBackAndRemoveTakesOneLine) {
    std::mt19937 random(20240601);
    int existing = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string bytes = RandomFile(random, GetParam());
        const IniDocument document = ParseIniDocument(bytes);
        const std::optional<std::string> set = EditIniDocument(document, u"s", u"k", u"v1");
        const IniDocument afterSet = ParseIniDocument(set.value_or(bytes));
        const IniSection* section = FindIniSection(afterSet, u"s");
        ASSERT_NE(section, nullptr) << testing::PrintToString(bytes);
        const IniKey* key = FindIniKey(*section, u"k");
        ASSERT_NE(key, nullptr) << testing::PrintToString(bytes);
        ASSERT_EQ(key->value, u"v1") << testing::PrintToString(bytes);

        const std::size_t before = KeysNamed(document, u"s", u"k");
        const std::optional<std::string> removed = EditIniDocument(document, u"s", u"k", {});
        ASSERT_EQ(removed.has_value(), before > 0) << testing::PrintToString(bytes);
        existing += before > 0;
        if (removed) {
            ASSERT_EQ(KeysNamed(ParseIniDocument(*removed), u"s", u"k"), before - 1)
                << testing::PrintToString(bytes);
        }
    }
    EXPECT_GT(existing, 300);  // the files do exercise existing keys
}

INSTANTIATE_TEST_SUITE_P(Encodings, RandomBytes,
                         testing::Values(std::string_view(""), std::string_view("\xEF\xBB\xBF"),
                                         std::string_view("\xFF\xFE")));

TEST(LargeFiles, HundredThousandCharacterValuesAreReadWhole) {
    TempFolder folder;
    const std::u16string longValue(100000, u'中');
    const std::u16string longName(100000, u'名');
    WriteTestFile(folder / "GM.ini",
                  EncodeCp936(u"[s]\r\nlong=" + longValue + u"\r\n" + longName + u"=v\r\n"));
    std::error_code error;
    EXPECT_EQ(ReadValue(folder / "GM.ini", u"s", u"long", error), longValue);
    EXPECT_EQ(ReadValue(folder / "GM.ini", u"s", longName, error), u"v");
    EXPECT_EQ(NamesOf(ReadIniKeys(u"s", folder / "GM.ini").value),
              (std::vector<std::u16string>{u"long", longName}));
    EXPECT_FALSE(error);
}

TEST(LargeFiles, FiftyMegabytesOfRandomBytesLoad) {
    TempFolder folder;
    std::mt19937 random(7);
    std::string bytes = EncodeCp936(u"[固定时间任务日程]\r\n");
    std::uniform_int_distribution<int> byte(0, 255);
    bytes.reserve(50 << 20);
    while (bytes.size() < (50u << 20))
        bytes.push_back(static_cast<char>(byte(random)));
    WriteTestFile(folder / "GM.ini", bytes);
    LoadTasks(ReadDocument(folder / "GM.ini"));
    std::error_code error;
    EXPECT_FALSE(WriteIniValue(u"固定时间任务日程", u"新", u"08:00|每日", folder / "GM.ini"));
    EXPECT_EQ(ReadValue(folder / "GM.ini", u"固定时间任务日程", u"新", error), u"08:00|每日");
    EXPECT_FALSE(error);
    EXPECT_EQ(ReadBytes(folder / "GM.ini").size(),
              bytes.size() + EncodeCp936(u"新=08:00|每日\r\n").size());
}

TEST(LargeFiles, TenMegabytesOfActivitiesLoadInFileOrder) {
    TempFolder folder;
    std::string bytes = EncodeCp936(u"[范围时间任务日程]\r\n");
    const std::string line = EncodeCp936(u"=08:00-09:00,12:00-12:30|星期一,星期三,星期五\n");
    std::size_t count = 0;
    while (bytes.size() < (50u << 20))
        bytes += "task" + std::to_string(count++) + line;
    WriteTestFile(folder / "GM.ini", bytes);
    const auto [tasks, skipped] = LoadTasks(ReadDocument(folder / "GM.ini"));
    EXPECT_TRUE(skipped.empty());
    ASSERT_EQ(tasks.size(), count);
    EXPECT_EQ(tasks.back().任务名,
              u"task" + std::u16string(u"") + DecodeCp936(std::to_string(count - 1)));
    EXPECT_EQ(tasks.back().星期, u"星期一,星期三,星期五");
}

}  // namespace
