#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the program is asked to do by its command line.
struct CommandLine {
    enum class Request {
        Window,      // no option of the program's own: the status window, as always
        Help,        // -h, --help
        Version,     // -v, --version
        StatusText,  // --status, --status=text
        StatusJson,  // --status=json
        Check,       // --check
        Calendar,    // --ics
        Unknown,     // an option, value or argument the program does not know
    };
    Request request = Request::Window;
    std::u16string message;  // for Unknown: the line for standard error, ended by LF
};

// The arguments after the program's name. The options that Qt reads for the window (-platform,
// -display, -style …, with one dash or two) are left to Qt; anything else that is not one of the
// program's own options is unknown, and the first one unknown is told; "--" ends the options, so
// that anything after it is an argument, which the program takes none of. Otherwise help comes
// before the version, the version before the status, the check and the calendar, and of those the
// last one counts.
CommandLine ParseCommandLine(const std::vector<std::u16string>& arguments);

// The usage text of -h and --help, lines ended by LF.
std::u16string UsageText();

// "Quillot <version>" and LF.
std::u16string VersionText(std::u16string_view version);
