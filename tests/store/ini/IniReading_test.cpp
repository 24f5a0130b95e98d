// The reading cases of ini-reading.tsv: files, calls and expected results recorded from the
// private-profile functions (Wine with code page 936), or the Windows result where Wine differs,
// or the reader's own decision where it deliberately differs from both.

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/ini/IniReaders.h"
#include "tests/store/StoreTestFiles.h"
#include "text/Cp936.h"

namespace {

struct ReadingCase {
    std::string id;
    std::string op;  // "keys" or "value"
    std::string file;
    std::u16string section;
    std::u16string key;
    std::u16string fallback;
    std::string expected;  // code page 936 bytes; a key list is its names, each followed by NUL
    std::string source;
    std::string note;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
    *os << c.id;
}

struct ReadingData {
    std::map<std::string, std::string> files;  // name -> bytes
    std::vector<ReadingCase> cases;
};

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

const ReadingData& LoadReadingData() {
    static const ReadingData data = [] {
        ReadingData loaded;
        std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "data" /
                         "ini-reading.tsv");
        for (std::string line; std::getline(in, line);) {
            const std::vector<std::string> f = SplitTabs(line);
            if (f[0] == "file" && f.size() == 3) {
                loaded.files[f[1]] = FromHex(f[2]);
            } else if (f[0] == "case" && f.size() == 10) {
                loaded.cases.push_back(ReadingCase{
                    f[1], f[2], f[3], DecodeCp936(FromHex(f[4])), DecodeCp936(FromHex(f[5])),
                    DecodeCp936(FromHex(f[6])), FromHex(f[7]), f[8], f[9]});
            }
        }
        return loaded;
    }();
    return data;
}

std::vector<std::u16string> ExpectedKeys(const std::string& bytes) {
    std::vector<std::u16string> names;
    std::size_t start = 0;
    for (std::size_t nul; (nul = bytes.find('\0', start)) != std::string::npos; start = nul + 1) {
        names.push_back(DecodeCp936(bytes.substr(start, nul - start)));
    }
    return names;
}

class IniReading : public testing::TestWithParam<ReadingCase> {};

TEST_P(IniReading, MatchesTheRecordedResult) {
    const ReadingCase& c = GetParam();
    const ReadingData& data = LoadReadingData();
    TempFolder folder;
    const std::filesystem::path path = folder / "GM.ini";
    if (c.file != "missing") {
        ASSERT_TRUE(data.files.contains(c.file)) << c.file;
        WriteTestFile(path, data.files.at(c.file));
    }
    SCOPED_TRACE(c.source + ": " + c.note);
    std::error_code error;
    if (c.op == "keys") {
        const Outcome<std::vector<IniKeyValue>> keys = ReadIniKeys(c.section, path);
        error = keys.problem;
        EXPECT_EQ(NamesOf(keys.value), ExpectedKeys(c.expected));
        EXPECT_EQ(std::filesystem::exists(path), c.file != "missing");
    } else {
        // The recorded call passed a fallback for a missing key; the reader says "missing".
        const std::u16string expected = DecodeCp936(c.expected);
        std::u16string fallback = c.fallback;
        while (fallback.ends_with(u' '))
            fallback.pop_back();
        const std::optional<std::u16string> value = ReadValue(path, c.section, c.key, error);
        if (!c.fallback.empty() && expected == fallback) {
            EXPECT_EQ(value, std::nullopt);
        } else {
            EXPECT_EQ(value, expected);
        }
    }
    EXPECT_FALSE(error);
}

std::string CaseName(const testing::TestParamInfo<ReadingCase>& info) {
    std::string name = info.param.id;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Recorded, IniReading, testing::ValuesIn(LoadReadingData().cases),
                         CaseName);

TEST(IniReadingData, HoldsEveryRecordedCase) {
    // A data file that failed to load would make the table above silently empty.
    EXPECT_EQ(LoadReadingData().cases.size(), 116u);
    EXPECT_EQ(LoadReadingData().files.size(), 30u);
}

}  // namespace
