#include "editor/TaskNameCheck.h"

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

std::u16string TaskNameRefusal(std::u16string_view name) {
    if (IsBlank(name))
        return u"请输入任务名称！";
    if (name.find(u'=') != std::u16string_view::npos)
        return u"任务名称不能包含“=”！";
    if (name.front() == u'[' || name.front() == u';')
        return u"任务名称不能以“[”或“;”开头！";
    for (char16_t c : name) {
        if (IsControl(c))
            return u"任务名称不能包含换行符或其他控制字符！";
    }
    std::u16string unstorable = UnstorableCharacters(name);
    if (!unstorable.empty())
        return u"任务名称含有无法保存的字符：" + unstorable;
    return {};
}
