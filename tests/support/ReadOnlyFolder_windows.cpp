#include <windows.h>

#include <aclapi.h>

#include <string>

#include "tests/support/ReadOnlyFolder.h"

namespace fs = std::filesystem;

namespace {

// Gives the folder these access-control entries of its own, before the ones it inherits.
DWORD SetOwnEntries(const fs::path& folder, PACL entries) {
    std::wstring name = folder.wstring();
    return SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                                 DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, entries, nullptr);
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const fs::path& target) : folder(target) {
    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof everyone;
    CreateWellKnownSid(WinWorldSid, nullptr, everyone, &size);
    alignas(ACL) BYTE entries[256];
    auto* acl = reinterpret_cast<PACL>(entries);
    InitializeAcl(acl, sizeof entries, ACL_REVISION);
    AddAccessDeniedAce(acl, ACL_REVISION, FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY, everyone);
    if (DWORD error = SetOwnEntries(folder, acl); error != ERROR_SUCCESS) {
        skipReason =
            "the folder's access-control list cannot be set (error " + std::to_string(error) + ")";
        return;
    }
    HANDLE probe = CreateFileW((folder / "probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        skipReason =
            "files can still be added to the folder here (Wine checks only the Unix "
            "permissions it maps the access-control list to, and they do not bind root)";
    }
}

ReadOnlyFolder::~ReadOnlyFolder() {
    alignas(ACL) BYTE entries[sizeof(ACL)];
    auto* acl = reinterpret_cast<PACL>(entries);
    InitializeAcl(acl, sizeof entries, ACL_REVISION);
    SetOwnEntries(folder, acl);
}
