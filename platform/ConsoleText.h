#pragma once

#include <string_view>

enum class ConsoleStream { Output, Error };

// Writes the text to the program's standard output or standard error, as UTF-8. On Windows the
// program has no console of its own: when the stream was not given to it as a file, a pipe or a
// console, it attaches to the console of the process that started it and writes there. A console
// gets the text as UTF-16. False when not all of it could be written.
bool WriteConsoleText(ConsoleStream stream, std::u16string_view text);
