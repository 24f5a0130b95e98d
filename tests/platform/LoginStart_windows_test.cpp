#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/Session.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run value as the system keeps it, or "<none>".
std::wstring RunValue() {
    wchar_t value[1024];
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Quillot", RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return L"<none>";
    }
    return value;
}

TEST(LoginStartWindows, TheRunValueHoldsThisProgramInQuotesAndGoesAgain) {
    const std::filesystem::path program = L"C:\\Program Files\\定时 提醒\\quillot.exe";
    ASSERT_FALSE(SetStartAtLogin(program, true));
    EXPECT_EQ(RunValue(), L"\"C:\\Program Files\\定时 提醒\\quillot.exe\"");
    EXPECT_TRUE(StartsAtLogin(program));
    EXPECT_TRUE(StartsAtLogin(L"c:\\program files\\定时 提醒\\QUILLOT.EXE")) << "case is no matter";
    EXPECT_FALSE(StartsAtLogin(L"C:\\Program Files\\定时 提醒\\quillot2.exe"));

    ASSERT_FALSE(SetStartAtLogin(program, false));
    EXPECT_EQ(RunValue(), L"<none>");
    EXPECT_FALSE(StartsAtLogin(program));
    EXPECT_FALSE(SetStartAtLogin(program, false)) << "no value to remove";
}

}  // namespace
