// In-place edits of a schedule file's bytes: the Windows private-profile writer's rules.

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/ini/IniDocument.h"
#include "store/ini/IniEdit.h"
#include "text/Cp936.h"

namespace {

std::string Gbk(std::u16string_view text) {
    return EncodeCp936(text);
}

std::string Utf16Le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

struct Edit {
    std::u16string section;
    std::u16string key;
    std::optional<std::u16string> value;  // none: remove the key
};

struct EditCase {
    const char* name;
    std::string before;
    std::vector<Edit> edits;           // applied one after the other
    std::optional<std::string> after;  // none: the content does not change
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

std::optional<std::string> Apply(std::string bytes, const std::vector<Edit>& edits) {
    bool changed = false;
    for (const Edit& edit : edits) {
        const std::optional<std::u16string_view> value =
            edit.value ? std::optional<std::u16string_view>(*edit.value) : std::nullopt;
        if (auto edited = EditIniDocument(ParseIniDocument(bytes), edit.section, edit.key, value)) {
            bytes = *edited;
            changed = true;
        }
    }
    if (!changed)
        return std::nullopt;
    return bytes;
}

class IniEdit : public testing::TestWithParam<EditCase> {};

TEST_P(IniEdit, ChangesOnlyTheAffectedLine) {
    const EditCase& c = GetParam();
    const std::optional<std::string> after = Apply(c.before, c.edits);
    ASSERT_EQ(after.has_value(), c.after.has_value());
    if (after) {
        EXPECT_EQ(*after, *c.after);
    }
}

const std::u16string kSmile = u"\U0001F600";  // not in code page 936

INSTANTIATE_TEST_SUITE_P(
    Windows, IniEdit,
    testing::Values(
        EditCase{"ReplaceKeepsBlankLinesAndSpacingElsewhere",
                 "; head\r\n\r\n[s]\r\n; c1\r\nkey1 = old\r\n\r\nkey2=b\r\n\r\n\r\n[t]\r\nx=1\r\n",
                 {{u"s", u"key1", u"new"}},
                 "; head\r\n\r\n[s]\r\n; c1\r\nkey1=new\r\n\r\nkey2=b\r\n\r\n\r\n[t]\r\nx=1\r\n"},
        EditCase{"SameValueSameLineNoChange",
                 "[s]\r\nkey2=b\r\n",
                 {{u"s", u"key2", u"b"}},
                 std::nullopt},
        EditCase{"SameValueOtherSpacingIsRewritten",
                 "[s]\r\nkey2 = b\r\n",
                 {{u"s", u"key2", u"b"}},
                 "[s]\r\nkey2=b\r\n"},
        EditCase{"NewKeyAfterLastKeyBeforeTrailingComment",
                 "[s]\r\na=1\r\n; trailing comment\r\n\r\n\r\n[t]\r\nx=1\r\n",
                 {{u"s", u"b", u"2"}},
                 "[s]\r\na=1\r\nb=2\r\n; trailing comment\r\n\r\n\r\n[t]\r\nx=1\r\n"},
        EditCase{"NewKeyRightAfterHeaderOfSectionWithoutKeys",
                 "[s]\r\n; only comment\r\n\r\n[t]\r\nx=1\r\n",
                 {{u"s", u"b", u"2"}},
                 "[s]\r\nb=2\r\n; only comment\r\n\r\n[t]\r\nx=1\r\n"},
        EditCase{"NewSectionAppendedKeepingBlankLine",
                 "[s]\r\na=1\r\n\r\n",
                 {{u"new", u"k", u"v"}},
                 "[s]\r\na=1\r\n\r\n[new]\r\nk=v\r\n"},
        EditCase{"NewSectionAfterMissingLineEnd",
                 "[s]\r\na=1",
                 {{u"new", u"k", u"v"}},
                 "[s]\r\na=1\r\n[new]\r\nk=v\r\n"},
        EditCase{"NewKeyAfterLastLineWithoutLineEnd",
                 "[s]\r\na=1",
                 {{u"s", u"b", u"2"}},
                 "[s]\r\na=1\r\nb=2\r\n"},
        EditCase{"ReplacedLastLineWithoutLineEndGetsOne",
                 "[S]\r\nK=V",
                 {{u"S", u"K", u"V2"}},
                 "[S]\r\nK=V2\r\n"},
        EditCase{"NewKeyAfterHeaderWithoutLineEnd", "[s]", {{u"s", u"k", u"v"}}, "[s]\r\nk=v\r\n"},
        EditCase{"EmptyContent", "", {{u"s", u"k", u"v"}, {u"s", u"k", u""}}, "[s]\r\nk=\r\n"},
        EditCase{"RemoveExactlyOneLine",
                 "; head\r\n[s]\r\na=1\r\n\r\nb = 2\r\n; c\r\n\r\n[t]\r\nx=1\r\n",
                 {{u"s", u"a", std::nullopt}},
                 "; head\r\n[s]\r\n\r\nb = 2\r\n; c\r\n\r\n[t]\r\nx=1\r\n"},
        EditCase{"RemoveMissingKeyOrSectionNoChange",
                 "[s]\r\na=1\r\n",
                 {{u"s", u"nosuch", std::nullopt}, {u"nosuch", u"a", std::nullopt}},
                 std::nullopt},
        EditCase{
            "RemoveLastKeyKeepsHeader", "[s]\r\na=1\r\n", {{u"s", u"a", std::nullopt}}, "[s]\r\n"},
        EditCase{"RemoveLastLineWithoutLineEnd",
                 "[s]\r\na=1\r\nb=2",
                 {{u"s", u"b", std::nullopt}},
                 "[s]\r\na=1\r\n"},
        EditCase{"ExistingKeysKeepPlaceNewOnesInCallOrder",
                 "[s]\r\nb=value\r\na=value\r\n",
                 {{u"s", u"z", u""}, {u"s", u"b", u""}, {u"s", u"y", u""}, {u"s", u"a", u""}},
                 "[s]\r\nb=\r\na=\r\nz=\r\ny=\r\n"},
        EditCase{"CommentIsNeverAKeySoSemicolonKeyIsAddedTwice",
                 "[s]\r\n;k=v\r\nk2=v2\r\n",
                 {{u"s", u";new", u"x"}, {u"s", u";new", u"x"}},
                 "[s]\r\n;k=v\r\nk2=v2\r\n;new=x\r\n;new=x\r\n"},
        EditCase{"CommentCannotBeRemoved",
                 "[s]\r\n;k=v\r\n",
                 {{u"s", u";k", std::nullopt}},
                 std::nullopt},
        EditCase{"FirstOfRepeatedKeysChanges",
                 "[s]\r\nk=1\r\nK=2\r\nk=3\r\n",
                 {{u"s", u"k", u"9"}},
                 "[s]\r\nk=9\r\nK=2\r\nk=3\r\n"},
        EditCase{"FirstOfRepeatedKeysIsRemoved",
                 "[s]\r\nk=1\r\nK=2\r\nk=3\r\n",
                 {{u"s", u"k", std::nullopt}},
                 "[s]\r\nK=2\r\nk=3\r\n"},
        EditCase{"FirstOfRepeatedSectionsGetsTheKey",
                 "[s]\r\na=1\r\n[t]\r\nb=2\r\n[S]\r\nc=3\r\na=4\r\n",
                 {{u"s", u"c", u"5"}},
                 "[s]\r\na=1\r\nc=5\r\n[t]\r\nb=2\r\n[S]\r\nc=3\r\na=4\r\n"},
        EditCase{"SpellingOfTheFileKept",
                 "[Sec]\r\n  Key  =1\r\n",
                 {{u"SEC", u"KEY", u"9"}},
                 "[Sec]\r\nKey=9\r\n"},
        EditCase{"ArgumentsLoseSpacesValueWrittenAsGiven",
                 "",
                 {{u" s2 ", u" k ", u"  v  "}},
                 "[s2]\r\nk=  v  \r\n"},
        EditCase{"ArgumentsKeepTabs",
                 "",
                 {{u"\ts3\t", u"\tk\t", u"\tv\t"}},
                 "[\ts3\t]\r\n\tk\t=\tv\t\r\n"},
        EditCase{"ValueIsNotEscaped", "", {{u"s", u"inj", u"a\r\nb=c"}}, "[s]\r\ninj=a\r\nb=c\r\n"},
        EditCase{"BytesBeforeFirstSectionKept",
                 std::string("Data \0 before \0 first \0 section", 31),
                 {{u"section1", u"key1", u"string1"}},
                 std::string("Data \0 before \0 first \0 section", 31) +
                     "\r\n[section1]\r\nkey1=string1\r\n"},
        EditCase{"TextAfterNulKeptInOtherLines",
                 std::string("[s]\r\nk=ab\0cd\r\nk2=v\0\r\nk3=x\r\n", 27),
                 {{u"s", u"k3", u"y"}},
                 std::string("[s]\r\nk=ab\0cd\r\nk2=v\0\r\nk3=y\r\n", 27)},
        EditCase{"ReplacedLineLosesItsTextAfterNul",
                 std::string("[s]\r\nk=ab\0cd\r\nk2=v\r\n", 20),
                 {{u"s", u"k", u"z"}},
                 "[s]\r\nk=z\r\nk2=v\r\n"},
        EditCase{"InvalidGbkInOtherLinesKept",
                 "; bad \x81\r\n[s]\r\nk=\x80\xff\r\nk2=\x81\r\nk3=v\r\n",
                 {{u"s", u"k3", u"w"}},
                 "; bad \x81\r\n[s]\r\nk=\x80\xff\r\nk2=\x81\r\nk3=w\r\n"},
        EditCase{"LfOnlyLinesKeepTheirLineEnds",
                 "[s]\na=1\n\n; c\nb=2\n",
                 {{u"s", u"a", u"9"}, {u"s", u"c", u"3"}},
                 "[s]\na=9\n\n; c\nb=2\nc=3\r\n"},
        EditCase{"CrOnlyLinesKeepTheirLineEnds",
                 "[s]\ra=1\r[t]\rx=1",
                 {{u"s", u"b", u"2"}},
                 "[s]\ra=1\rb=2\r\n[t]\rx=1"},
        EditCase{"LineWithoutEqualsIsNotAKey",
                 "[s]\r\nk\r\nj=1\r\n",
                 {{u"s", u"k", u"v"}},
                 "[s]\r\nk\r\nj=1\r\nk=v\r\n"},
        EditCase{"SectionWithoutClosingBracket",
                 "[f\r\nk=5\r\ng]\r\n[t]\r\n",
                 {{u"f", u"k2", u"6"}},
                 "[f\r\nk=5\r\nk2=6\r\ng]\r\n[t]\r\n"},
        EditCase{"EmptySectionName", "[]\r\nk=7\r\n", {{u"", u"k", u"8"}}, "[]\r\nk=8\r\n"},
        EditCase{"TrailByteIsNotABracket",
                 Gbk(u"[乚x]\r\nk=1\r\n"),
                 {{u"乚x", u"k", u"2"}},
                 Gbk(u"[乚x]\r\nk=2\r\n")},
        EditCase{"ChineseNamesAndValues",
                 Gbk(u"[节]\r\n键=旧\r\n"),
                 {{u"节", u"键", u"新值"}, {u"节", u"另一个", u"值"}},
                 Gbk(u"[节]\r\n键=新值\r\n另一个=值\r\n")},
        EditCase{"CharacterOutsideCp936BecomesQuestionMark",
                 "",
                 {{u"s", u"k" + kSmile, u"a" + kSmile + u"b"}},
                 "[s]\r\nk?=a?b\r\n"},
        EditCase{"Utf16LeFileStaysUtf16Le",
                 Utf16Le(u"[s]\r\nk=中\r\n[t]\r\nk=文\r\n"),
                 {{u"t", u"k2", u"新"}},
                 Utf16Le(u"[s]\r\nk=中\r\n[t]\r\nk=文\r\nk2=新\r\n")},
        EditCase{"Utf16LeByte0DInsideACharacterIsNoLineEnd",  // 不 is 0D 4E
                 Utf16Le(u"[s]\r\nk=不\r\n"),
                 {{u"s", u"k", u"不不"}},
                 Utf16Le(u"[s]\r\nk=不不\r\n")},
        EditCase{"Utf8FileStaysUtf8",
                 "\xEF\xBB\xBF[s]\r\nk=\xE4\xB8\xAD\r\n",
                 {{u"t", u"k2", u"新"}},
                 "\xEF\xBB\xBF[s]\r\nk=\xE4\xB8\xAD\r\n[t]\r\nk2=\xE6\x96\xB0\r\n"},
        EditCase{"Utf8MarkOnly",
                 "\xEF\xBB\xBF",
                 {{u"s", u"k", u"中"}},
                 "\xEF\xBB\xBF\r\n[s]\r\nk=\xE4\xB8\xAD\r\n"},
        EditCase{"Utf16LeMarkOnly",
                 Utf16Le(u""),
                 {{u"s", u"k", u"中"}},
                 Utf16Le(u"\r\n[s]\r\nk=中\r\n")}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

}  // namespace
