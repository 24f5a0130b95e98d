#pragma once

#include <string>
#include <vector>

// The arguments the program was started with, after its name, as the user wrote them: decoded
// from UTF-8 on POSIX systems (an invalid sequence becomes U+FFFD); on Windows taken from the
// program's UTF-16 command line, since argv holds them in the ANSI code page.
std::vector<std::u16string> CommandLineArguments(int argc, const char* const* argv);
