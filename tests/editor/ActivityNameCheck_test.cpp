#include "editor/ActivityNameCheck.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(CheckActivityName, RefusesNamesThatWouldCorruptTheFile) {
    const std::u16string empty = u"请输入任务名称！";
    const std::u16string equals = u"任务名称不能包含“=”！";
    const std::u16string opening = u"任务名称不能以“[”或“;”开头！";
    const std::u16string control = u"任务名称不能包含换行符或其他控制字符！";
    const struct {
        std::u16string name;
        std::u16string message;  // empty when the name can be stored
    } cases[] = {
        {u"", empty},
        {u"   ", empty},
        {u"\u3000", empty},
        {u"a=b", equals},
        {u"=", equals},
        {u"[x", opening},
        {u"[x]", opening},
        {u";x", opening},
        {u"x[y]", u""},
        {u"x;y", u""},
        {u"a\r\nb", control},
        {u"a\nb", control},
        {u"a\rb", control},
        {u"a\tb", control},
        {std::u16string(u"a\0b", 3), control},
        {u"学习😀", u"任务名称含有无法保存的字符：😀"},
        {u"é😀aé", u"任务名称含有无法保存的字符：😀"},
        {u"ä한국", u"任务名称含有无法保存的字符：ä한국"},
        {u"a\u20acb", u""},
        {u"红包刷新时间", u""},
        {u"午间 休息", u""},
        {u"a|b,c", u""},
        {u"Meeting", u""},
    };
    for (const auto& c : cases) {
        const NameProblem problem = CheckActivityName(c.name);
        EXPECT_EQ(DescribeNameProblem(problem), c.message) << ::testing::PrintToString(c.name);
        EXPECT_EQ(static_cast<bool>(problem), !c.message.empty())
            << ::testing::PrintToString(c.name);
    }
}

TEST(CheckActivityName, FindsTheEqualsSignBeforeTheOpeningCharacter) {
    EXPECT_EQ(CheckActivityName(u"[a=b").kind, NameProblem::Kind::HasEquals);
    EXPECT_EQ(DescribeNameProblem(CheckActivityName(u"[a=b")), u"任务名称不能包含“=”！");
}

}  // namespace
