#include <windows.h>

#include <string>

#include "platform/SystemError.h"

std::u16string SystemErrorMessage(std::error_code error) {
    if (error.category() == std::system_category()) {
        wchar_t* buffer = nullptr;
        DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, static_cast<DWORD>(error.value()), 0,
                                      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
        std::u16string text;
        if (length != 0)
            text.assign(reinterpret_cast<const char16_t*>(buffer), length);
        LocalFree(buffer);
        while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n'))
            text.pop_back();
        if (!text.empty())
            return text;
    }
    std::string message = error.message();
    int length = MultiByteToWideChar(CP_ACP, 0, message.data(), static_cast<int>(message.size()),
                                     nullptr, 0);
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, message.data(), static_cast<int>(message.size()),
                        reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
}

bool IsDiskFullError(std::error_code error) {
    bool isWindows = error.category() == std::system_category();
    return error == std::errc::no_space_on_device ||
           (isWindows &&
            (error.value() == ERROR_DISK_FULL || error.value() == ERROR_HANDLE_DISK_FULL));
}
