// Splitting a file into lines: every kind of line end, NUL bytes, UTF-16 units.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/ini/IniLines.h"

namespace {

struct LinesCase {
    const char* name;
    std::string bytes;
    IniEncoding encoding;
    // For each line: its text up to the first NUL, its whole text, its line end.
    std::vector<std::vector<std::string>> lines;
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.name;
}

class SplitLines : public testing::TestWithParam<LinesCase> {};

TEST_P(SplitLines, KeepsEveryByteInItsLine) {
    const LinesCase& c = GetParam();
    std::vector<std::vector<std::string>> got;
    std::size_t covered = ByteOrderMarkSize(c.encoding) * !c.lines.empty();
    for (const IniLine& line : SplitIniLines(c.bytes, c.encoding)) {
        EXPECT_EQ(line.begin, covered);
        covered = line.end;
        got.push_back({c.bytes.substr(line.begin, line.readEnd - line.begin),
                       c.bytes.substr(line.begin, line.textEnd - line.begin),
                       c.bytes.substr(line.textEnd, line.end - line.textEnd)});
    }
    EXPECT_EQ(got, c.lines);
    if (!c.lines.empty()) {
        EXPECT_EQ(covered, c.bytes.size());
    }
}

using L = std::vector<std::string>;
const std::string kNul(1, '\0');

INSTANTIATE_TEST_SUITE_P(
    Ends, SplitLines,
    testing::Values(
        LinesCase{"Empty", "", IniEncoding::Cp936, {}},
        LinesCase{
            "CrLf", "a\r\nb\r\n", IniEncoding::Cp936, {L{"a", "a", "\r\n"}, L{"b", "b", "\r\n"}}},
        LinesCase{
            "NoFinalEnd", "a\r\nb", IniEncoding::Cp936, {L{"a", "a", "\r\n"}, L{"b", "b", ""}}},
        LinesCase{"Mixed",
                  "a\rb\nc\r\n\n\r\rd",
                  IniEncoding::Cp936,
                  {L{"a", "a", "\r"}, L{"b", "b", "\n"}, L{"c", "c", "\r\n"}, L{"", "", "\n"},
                   L{"", "", "\r"}, L{"", "", "\r"}, L{"d", "d", ""}}},
        LinesCase{"LfCrIsTwoEnds",
                  "a\n\rb",
                  IniEncoding::Cp936,
                  {L{"a", "a", "\n"}, L{"", "", "\r"}, L{"b", "b", ""}}},
        LinesCase{"NulEndsTheReadText",
                  "k=ab" + kNul + "cd\r\nx",
                  IniEncoding::Cp936,
                  {L{"k=ab", "k=ab" + kNul + "cd", "\r\n"}, L{"x", "x", ""}}},
        LinesCase{
            "Utf8MarkSkipped", "\xEF\xBB\xBF[s]\r\n", IniEncoding::Utf8, {L{"[s]", "[s]", "\r\n"}}},
        LinesCase{"Utf16Units",  // "不" is 0D 4E: its low byte is not a CR
                  std::string("\xFF\xFE\x0D\x4E\x0D\x00\x0A\x00\x41\x00", 10),
                  IniEncoding::Utf16Le,
                  {L{"\x0D\x4E", "\x0D\x4E", std::string("\x0D\x00\x0A\x00", 4)},
                   L{"A" + kNul, "A" + kNul, ""}}},
        LinesCase{"Utf16NulUnit",
                  std::string("\xFF\xFE\x41\x00\x00\x00\x42\x00", 8),
                  IniEncoding::Utf16Le,
                  {L{"A" + kNul, std::string("A\0\0\0B\0", 6), ""}}},
        LinesCase{"Utf16OddLastByte",
                  std::string("\xFF\xFE\x41\x00\x0A\x00\x42", 7),
                  IniEncoding::Utf16Le,
                  {L{"A" + kNul, "A" + kNul, std::string("\x0A\x00", 2)}, L{"B", "B", ""}}}),
    [](const testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

}  // namespace
