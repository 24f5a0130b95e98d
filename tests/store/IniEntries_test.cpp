#include <gtest/gtest.h>

#include "store/IniReaders.h"
#include "tests/store/StoreTestFiles.h"

namespace {

// The one-read listing must say exactly what a key list plus one value read per key says.
TEST(ReadIniEntries, AgreesWithKeysAndValuesReadOneByOne) {
    const char* files[] = {
        "[s]\r\na=1\r\nb=2\r\n",
        "[s]\r\nk=1\r\nK=2\r\nk=3\r\n",                      // repeats show the first value
        "[s]\r\n; c=1\r\n  x = \" q \" \r\nnoeq\r\n=e\r\n",  // comments, quotes, blank names
        "[S]\r\na=1\r\n[t]\r\nb=2\r\n[s]\r\nc=3\r\n",        // only the first section counts
        "[t]\r\nb=2\r\n",                                    // no such section
    };
    for (const char* bytes : files) {
        TempFolder folder;
        const auto ini = folder / "GM.ini";
        WriteBytes(ini, bytes);
        std::vector<IniKeyValue> expected;
        for (const std::u16string& key : ReadIniKeys(u"s", ini))
            expected.push_back({key, ReadIniValue(u"s", key, ini)});
        const std::vector<IniKeyValue> entries = ReadIniEntries(u"s", ini);
        ASSERT_EQ(entries.size(), expected.size()) << bytes;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].name, expected[i].name) << bytes;
            EXPECT_EQ(entries[i].value, expected[i].value) << bytes;
        }
    }
}

TEST(ReadIniEntries, MissingFileIsEmptyAndNotCreated) {
    TempFolder folder;
    EXPECT_TRUE(ReadIniEntries(u"s", folder / "GM.ini").empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "GM.ini"));
}

}  // namespace
