#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/AppIdentity.h"
#include "platform/UserFolder.h"

namespace fs = std::filesystem;

fs::path UserFolder() {
    const wchar_t* roaming = _wgetenv(L"APPDATA");
    if (roaming == nullptr || roaming[0] == L'\0')
        return {};
    return fs::path(roaming) / std::u16string(kAppTitle);
}

// Access-control lists decide, so the only sure test is to create a file: one that the system
// deletes as soon as it is closed.
bool CanCreateFilesIn(const fs::path& folder) {
    const fs::path place = folder.empty() ? fs::path(L".") : folder;
    const std::wstring probe =
        (place / (L".quillot-probe-" + std::to_wstring(GetCurrentProcessId()))).wstring();
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}
