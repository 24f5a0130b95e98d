// ReadIniKeys gives the keys of a section, each with the value a look-up by its name finds.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "store/ini/IniReaders.h"
#include "tests/store/StoreTestFiles.h"

namespace {

using Keys = std::vector<std::pair<std::u16string, std::u16string>>;

Keys KeysOf(const std::vector<IniKeyValue>& read) {
    Keys keys;
    for (const IniKeyValue& key : read)
        keys.emplace_back(key.name, key.value);
    return keys;
}

TEST(ReadIniKeys, EachNameCarriesTheValueALookUpFinds) {
    const struct {
        const char* bytes;
        Keys keys;
    } cases[] = {
        {"[s]\r\na=1\r\nb=2\r\n", {{u"a", u"1"}, {u"b", u"2"}}},
        // Repeats are listed, each with the value of the first line of its name.
        {"[s]\r\nk=1\r\nK=2\r\nk=3\r\n", {{u"k", u"1"}, {u"K", u"1"}, {u"k", u"1"}}},
        // Comments, lines without "=" and blank names are no keys; values lose blanks and quotes.
        {"[s]\r\n; c=1\r\n  x = \" q \" \r\nnoeq\r\n=e\r\n", {{u"x", u" q "}}},
        {"[S]\r\na=1\r\n[t]\r\nb=2\r\n[s]\r\nc=3\r\n", {{u"a", u"1"}}},  // the first section only
        {"[t]\r\nb=2\r\n", {}},                                          // no such section
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const auto ini = folder / "GM.ini";
        WriteTestFile(ini, c.bytes);
        const Outcome<std::vector<IniKeyValue>> keys = ReadIniKeys(u"s", ini);
        EXPECT_EQ(KeysOf(keys.value), c.keys) << c.bytes;
        EXPECT_FALSE(keys.problem);
    }
}

TEST(ReadIniKeys, MissingFileIsEmptyAndNotCreated) {
    TempFolder folder;
    const Outcome<std::vector<IniKeyValue>> keys = ReadIniKeys(u"s", folder / "GM.ini");
    EXPECT_TRUE(keys.value.empty());
    EXPECT_FALSE(keys.problem);
    EXPECT_FALSE(std::filesystem::exists(folder / "GM.ini"));
}

}  // namespace
