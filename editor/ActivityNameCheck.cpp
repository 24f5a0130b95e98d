#include "editor/ActivityNameCheck.h"

#include "text/Cp936.h"
#include "text/TextTrim.h"
#include "text/Utf16.h"

namespace {

bool IsControl(char16_t c) {
    return c < u' ' || c == u'\u007f';
}

// The characters of the name that code page 936 cannot hold, each once, in order of appearance.
std::u16string UnstorableCharacters(std::u16string_view name) {
    std::u16string found;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = CharacterLengthAt(name, i);
        std::u16string_view character = name.substr(i, length);
        if (!FitsCp936(character) && found.find(character) == std::u16string::npos) {
            found += character;
        }
        i += length;
    }
    return found;
}

}  // namespace

NameProblem CheckActivityName(std::u16string_view name) {
    using Kind = NameProblem::Kind;
    if (IsBlank(name))
        return {Kind::Blank, {}};
    if (name.find(u'=') != std::u16string_view::npos)
        return {Kind::HasEquals, {}};
    if (name.front() == u'[' || name.front() == u';')
        return {Kind::OpensLikeOther, {}};
    for (char16_t c : name) {
        if (IsControl(c))
            return {Kind::HasControl, {}};
    }
    std::u16string unstorable = UnstorableCharacters(name);
    if (!unstorable.empty())
        return {Kind::Unstorable, std::move(unstorable)};
    return {};
}

std::u16string DescribeNameProblem(const NameProblem& problem) {
    switch (problem.kind) {
        case NameProblem::Kind::Blank:
            return u"请输入任务名称！";
        case NameProblem::Kind::HasEquals:
            return u"任务名称不能包含“=”！";
        case NameProblem::Kind::OpensLikeOther:
            return u"任务名称不能以“[”或“;”开头！";
        case NameProblem::Kind::HasControl:
            return u"任务名称不能包含换行符或其他控制字符！";
        case NameProblem::Kind::Unstorable:
            return u"任务名称含有无法保存的字符：" + problem.unstorable;
        case NameProblem::Kind::None:
            break;
    }
    return {};
}
