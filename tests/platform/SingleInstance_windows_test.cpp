#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/Process.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// A program in a child process that prints one line and runs until it is killed; its standard
// input stays open until then.
class Child {
  public:
    explicit Child(const fs::path& program, const std::wstring& argument = {}) {
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE childInput = nullptr;
        HANDLE childOutput = nullptr;
        if (!CreatePipe(&childInput, &input, &inherited, 0) ||
            !CreatePipe(&output, &childOutput, &inherited, 0)) {
            return;
        }
        SetHandleInformation(input, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childInput;
        startup.hStdOutput = childOutput;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        std::wstring command = L"\"" + program.wstring() + L"\"";
        if (!argument.empty())
            command += L" \"" + argument + L"\"";
        if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                            nullptr, &startup, &process)) {
            process = {};
        }
        CloseHandle(childInput);
        CloseHandle(childOutput);
    }
    ~Child() {
        Kill();
        for (HANDLE handle : {input, output}) {
            if (handle != nullptr)
                CloseHandle(handle);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // The line the child printed; "timeout" when it says nothing for ten seconds.
    std::string Answer() {
        std::string line;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            DWORD available = 0;
            if (!PeekNamedPipe(output, nullptr, 0, nullptr, &available, nullptr))
                break;
            if (available == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                continue;
            }
            char c = 0;
            DWORD count = 0;
            if (!ReadFile(output, &c, 1, &count, nullptr) || count != 1)
                break;
            if (c == '\n')
                return line;
            if (c != '\r')
                line.push_back(c);
        }
        return "timeout";
    }

    void Kill() {
        if (process.hProcess == nullptr)
            return;
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        process = {};
    }

  private:
    PROCESS_INFORMATION process{};
    HANDLE input = nullptr;
    HANDLE output = nullptr;
};

const fs::path kHolder = SINGLE_INSTANCE_HOLDER;

// Whether a semaphore of this exact name exists.
bool SemaphoreExists(const wchar_t* name) {
    HANDLE semaphore = OpenSemaphoreW(SYNCHRONIZE, FALSE, name);
    if (semaphore == nullptr)
        return false;
    CloseHandle(semaphore);
    return true;
}

// The name is the path in upper case with "?" for "\", so the same program reached through
// another case of its path is the same program.
TEST(SingleInstanceWindows, LockIsNamedAfterThePathInUpperCaseAcrossProcesses) {
    Child first(kHolder, L"C:\\Programs\\Quillot\\quillot.exe");
    ASSERT_EQ(first.Answer(), "acquired");
    EXPECT_TRUE(SemaphoreExists(L"C:?PROGRAMS?QUILLOT?QUILLOT.EXE"));
    EXPECT_EQ(SingleInstance::Acquire(L"c:\\programs\\quillot\\QUILLOT.EXE"), nullptr);
    Child second(kHolder, L"C:\\PROGRAMS\\QUILLOT\\QUILLOT.EXE");
    EXPECT_EQ(second.Answer(), "busy");
    for (const wchar_t* other :
         {L"C:\\Programs\\Quillot2\\quillot.exe", L"C:\\Programs\\Quillot\\quillot.exe.bak",
          L"D:\\Programs\\Quillot\\quillot.exe"}) {
        EXPECT_NE(SingleInstance::Acquire(other), nullptr) << fs::path(other);
    }

    first.Kill();
    EXPECT_FALSE(SemaphoreExists(L"C:?PROGRAMS?QUILLOT?QUILLOT.EXE"));
    EXPECT_NE(SingleInstance::Acquire(L"C:\\Programs\\Quillot\\quillot.exe"), nullptr);
}

TEST(SingleInstanceWindows, UpperCaseCoversLettersBeyondAscii) {
    auto instance = SingleInstance::Acquire(L"C:\\Café\\Ωmega\\quillot.exe");
    ASSERT_NE(instance, nullptr);
    EXPECT_TRUE(SemaphoreExists(L"C:?CAFÉ?ΩMEGA?QUILLOT.EXE"));
    EXPECT_EQ(SingleInstance::Acquire(L"c:\\cafÉ\\ωMEGA\\Quillot.exe"), nullptr);
}

// A name longer than Windows allows gets no lock, and the program runs rather than refusing.
TEST(SingleInstanceWindows, PathTooLongForANameStillRuns) {
    const std::wstring path = L"C:\\" + std::wstring(400, L'q') + L"\\quillot.exe";
    EXPECT_NE(SingleInstance::Acquire(path), nullptr);
}

// A program started from a folder with a Chinese name locks its own path, as Quillot does.
TEST(SingleInstanceWindows, ProgramInAChineseFolderLocksItsOwnPath) {
    TempFolder folder;
    const fs::path program = folder.Path() / u8"提醒 工具" / "Quillot.exe";
    fs::create_directories(program.parent_path());
    fs::copy_file(kHolder, program);
    Child holder(program);
    ASSERT_EQ(holder.Answer(), "acquired");
    EXPECT_EQ(SingleInstance::Acquire(program), nullptr);
}

}  // namespace
