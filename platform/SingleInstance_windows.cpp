#include <windows.h>

#include <string>

#include "platform/SingleInstance.h"

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
