#include "platform/CommandLineArguments.h"

#include "text/Utf8Text.h"

std::vector<std::u16string> CommandLineArguments(int argc, const char* const* argv) {
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(DecodeUtf8(argv[i]));
    return arguments;
}
