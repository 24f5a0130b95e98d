#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <string>

#include "platform/Process.h"
#include "text/Utf8Text.h"

std::filesystem::path ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::filesystem::path(buffer.data(), buffer.data() + length);
        buffer.resize(buffer.size() * 2);
    }
}

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
std::error_code WriteAll(const std::basic_string_view<Unit> units, Write write) {
    for (std::size_t written = 0; written < units.size();) {
        DWORD now = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(units.size() - written, 16384));
        if (!write(units.data() + written, chunk, &now))
            return {static_cast<int>(GetLastError()), std::system_category()};
        if (now == 0)
            return std::make_error_code(std::errc::io_error);
        written += now;
    }
    return {};
}

}  // namespace

std::error_code WriteConsoleText(ConsoleStream stream, std::u16string_view text) {
    HANDLE handle = GivenHandle(stream);
    if (handle == INVALID_HANDLE_VALUE)
        handle = ParentConsole();
    if (handle == INVALID_HANDLE_VALUE)
        return std::make_error_code(std::errc::bad_file_descriptor);
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

struct SingleInstance::Handle {
    HANDLE semaphore = nullptr;
};

SingleInstance::SingleInstance(std::unique_ptr<Handle> handle) : handle(std::move(handle)) {}

SingleInstance::~SingleInstance() {
    if (handle->semaphore != nullptr)
        CloseHandle(handle->semaphore);
}

// The semaphore is named after the full path in upper case with every "\" as "?" (a backslash
// would mean a namespace). Windows closes it when the process ends, however it ends. When it
// cannot be created at all (a path too long for a name), the program runs rather than refusing
// to start.
std::unique_ptr<SingleInstance> SingleInstance::Acquire(const std::filesystem::path& executable) {
    std::wstring name = executable.wstring();
    if (!name.empty()) {
        CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
    }
    for (wchar_t& c : name) {
        if (c == L'\\')
            c = L'?';
    }
    auto instanceHandle = std::make_unique<Handle>();
    instanceHandle->semaphore = CreateSemaphoreW(nullptr, 0, 1, name.c_str());
    if (instanceHandle->semaphore != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(instanceHandle->semaphore);
        return nullptr;
    }
    return std::unique_ptr<SingleInstance>(new SingleInstance(std::move(instanceHandle)));
}
