#include <windows.h>

#include <aclapi.h>

#include "tests/support/ReadOnlyFolder.h"

namespace fs = std::filesystem;

namespace {

// Gives the folder these access-control entries of its own, before the ones it inherits.
void SetOwnEntries(const fs::path& folder, PACL entries) {
    std::wstring name = folder.wstring();
    SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                          DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION,
                          nullptr, nullptr, entries, nullptr);
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const fs::path& folder) : folder_(folder) {
    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof everyone;
    CreateWellKnownSid(WinWorldSid, nullptr, everyone, &size);
    alignas(ACL) BYTE entries[256];
    auto* acl = reinterpret_cast<PACL>(entries);
    InitializeAcl(acl, sizeof entries, ACL_REVISION);
    AddAccessDeniedAce(acl, ACL_REVISION, FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY, everyone);
    SetOwnEntries(folder_, acl);

    HANDLE probe = CreateFileW((folder_ / "probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        skipReason_ = "this system keeps access-control lists but does not enforce them (Wine)";
    }
}

ReadOnlyFolder::~ReadOnlyFolder() {
    alignas(ACL) BYTE entries[sizeof(ACL)];
    auto* acl = reinterpret_cast<PACL>(entries);
    InitializeAcl(acl, sizeof entries, ACL_REVISION);
    SetOwnEntries(folder_, acl);
}
