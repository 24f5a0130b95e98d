#include "platform/CommandLineArguments.h"

#include <windows.h>

#include <shellapi.h>

std::vector<std::u16string> CommandLineArguments(int, const char* const*) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> arguments;
    if (words == nullptr)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.emplace_back(reinterpret_cast<const char16_t*>(words[i]));
    LocalFree(words);
    return arguments;
}
