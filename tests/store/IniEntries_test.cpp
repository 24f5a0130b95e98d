// ReadIniKeys gives each key with the value a look-up by its name finds, from one read.

#include <gtest/gtest.h>

#include "store/IniReaders.h"
#include "tests/store/StoreTestFiles.h"

namespace {

TEST(ReadIniKeys, EachNameCarriesTheValueALookUpFinds) {
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
        WriteTestFile(ini, bytes);
        std::error_code error;
        for (const IniKeyValue& key : ReadIniKeys(u"s", ini, error)) {
            EXPECT_EQ(ReadIniValue(u"s", key.name, ini, FixedClock(), error), key.value) << bytes;
        }
        EXPECT_FALSE(error);
    }
}

TEST(ReadIniKeys, MissingFileIsEmptyAndNotCreated) {
    TempFolder folder;
    std::error_code error;
    EXPECT_TRUE(ReadIniKeys(u"s", folder / "GM.ini", error).empty());
    EXPECT_FALSE(error);
    EXPECT_FALSE(std::filesystem::exists(folder / "GM.ini"));
}

}  // namespace
