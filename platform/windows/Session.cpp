#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/AppIdentity.h"
#include "platform/Session.h"

namespace fs = std::filesystem;

fs::path UserFolder() {
    const wchar_t* roaming = _wgetenv(L"APPDATA");
    if (roaming == nullptr || roaming[0] == L'\0')
        return {};
    return fs::path(roaming) / std::u16string(kAppTitle);
}

std::tm LocalCalendarTime(std::time_t moment) {
    std::tm parts{};
    localtime_s(&parts, &moment);
    return parts;
}

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The value is named with the program's title.
const std::wstring kValueName(kAppTitle.begin(), kAppTitle.end());

// The command line that starts the program: its path in quotes.
std::wstring Command(const fs::path& executable) {
    return L"\"" + executable.wstring() + L"\"";
}

std::error_code SystemError(LSTATUS status) {
    return {static_cast<int>(status), std::system_category()};
}

}  // namespace

bool StartsAtLogin(const fs::path& executable) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kValueName.c_str(), RRF_RT_REG_SZ, nullptr,
                     nullptr, &size) != ERROR_SUCCESS) {
        return false;
    }
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, kValueName.c_str(), RRF_RT_REG_SZ, nullptr,
                     value.data(), &size) != ERROR_SUCCESS) {
        return false;
    }
    value.resize(wcsnlen(value.c_str(), value.size()));
    // Paths on Windows compare without regard to case.
    const std::wstring command = Command(executable);
    return CompareStringOrdinal(value.c_str(), static_cast<int>(value.size()), command.c_str(),
                                static_cast<int>(command.size()), TRUE) == CSTR_EQUAL;
}

std::error_code SetStartAtLogin(const fs::path& executable, bool on) {
    if (!on) {
        const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName.c_str());
        return status == ERROR_FILE_NOT_FOUND ? std::error_code() : SystemError(status);
    }
    const std::wstring command = Command(executable);
    return SystemError(RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName.c_str(), REG_SZ,
                                       command.c_str(),
                                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))));
}
