#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/ConsoleText.h"
#include "text/Utf8Text.h"

namespace {

// The console of the process that started this one, attached at the first need; invalid when
// there is none.
HANDLE ParentConsole() {
    static const HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return INVALID_HANDLE_VALUE;
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }();
    return console;
}

// The stream's handle as the program was given it, when it was given one.
HANDLE GivenHandle(ConsoleStream stream) {
    const HANDLE given =
        GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (given == nullptr || given == INVALID_HANDLE_VALUE ||
        GetFileType(given) == FILE_TYPE_UNKNOWN) {
        return INVALID_HANDLE_VALUE;
    }
    return given;
}

template <typename Unit, typename Write>
bool WriteAll(const std::basic_string_view<Unit> units, Write write) {
    for (std::size_t written = 0; written < units.size();) {
        DWORD now = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(units.size() - written, 16384));
        if (!write(units.data() + written, chunk, &now) || now == 0)
            return false;
        written += now;
    }
    return true;
}

}  // namespace

bool WriteConsoleText(ConsoleStream stream, std::u16string_view text) {
    HANDLE handle = GivenHandle(stream);
    if (handle == INVALID_HANDLE_VALUE)
        handle = ParentConsole();
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        return WriteAll(text, [&](const char16_t* units, DWORD count, DWORD* written) {
            return WriteConsoleW(handle, units, count, written, nullptr) != 0;
        });
    }
    const std::string bytes = EncodeUtf8(text);
    return WriteAll(std::string_view(bytes), [&](const char* units, DWORD count, DWORD* written) {
        return WriteFile(handle, units, count, written, nullptr) != 0;
    });
}
