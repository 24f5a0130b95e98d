#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The running program: its executable, its arguments, its console and its one instance.

// The full path of the running executable.
std::filesystem::path ExecutablePath();

// The arguments the program was started with, after its name, as the user wrote them: decoded
// from UTF-8 on POSIX systems (an invalid sequence becomes U+FFFD); on Windows taken from the
// program's UTF-16 command line, since argv holds them in the ANSI code page.
std::vector<std::u16string> CommandLineArguments(int argc, const char* const* argv);

enum class ConsoleStream { Output, Error };

// Writes the text to the program's standard output or standard error, as UTF-8. On Windows the
// program has no console of its own: when the stream was not given to it as a file, a pipe or a
// console, it attaches to the console of the process that started it and writes there. A console
// gets the text as UTF-16. Returns why, when not all of it could be written.
std::error_code WriteConsoleText(ConsoleStream stream, std::u16string_view text);

// Holds the right to be the one running instance of an executable path, until destroyed or until
// the process ends (the operating system releases it even after a crash).
class SingleInstance {
  public:
    // Empty when another process already holds the path.
    static std::unique_ptr<SingleInstance> Acquire(const std::filesystem::path& executable);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

  private:
    struct Handle;
    explicit SingleInstance(std::unique_ptr<Handle> handle);
    std::unique_ptr<Handle> handle;
};
