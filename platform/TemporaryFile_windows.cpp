#include "platform/TemporaryFile_windows.h"

#include <atomic>
#include <cwctype>

namespace fs = std::filesystem;

namespace {

constexpr std::wstring_view kSuffix = L".tmp";

std::wstring NamePrefix(const fs::path& target) {
    return L"." + target.filename().wstring() + L".";
}

// Reads the decimal digits at the start of the text up to the given end character, and moves
// the text past that character.
bool ReadNumberUntil(std::wstring_view& text, wchar_t end, unsigned long long& value) {
    std::size_t digits = 0;
    value = 0;
    while (digits < text.size() && digits < 20 && std::iswdigit(text[digits]))
        value = value * 10 + static_cast<unsigned>(text[digits++] - L'0');
    if (digits == 0 || digits == text.size() || text[digits] != end)
        return false;
    text.remove_prefix(digits + 1);
    return true;
}

}  // namespace

std::wstring TemporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    return NamePrefix(target) + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter++) + L"-" + std::to_wstring(GetTickCount64() % 1000000) +
           std::wstring(kSuffix);
}

std::optional<DWORD> TemporaryWriter(std::wstring_view name, const fs::path& target) {
    const std::wstring prefix = NamePrefix(target);
    if (!name.starts_with(prefix) || !name.ends_with(kSuffix))
        return std::nullopt;
    name.remove_prefix(prefix.size());
    name.remove_suffix(kSuffix.size() - 1);  // keeps the "." that ends the last number
    unsigned long long pid = 0;
    unsigned long long counter = 0;
    unsigned long long ticks = 0;
    if (!ReadNumberUntil(name, L'-', pid) || !ReadNumberUntil(name, L'-', counter) ||
        !ReadNumberUntil(name, L'.', ticks) || !name.empty() || pid == 0 || pid > MAXDWORD) {
        return std::nullopt;
    }
    return static_cast<DWORD>(pid);
}
