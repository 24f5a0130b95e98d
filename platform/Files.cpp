#include "platform/Files.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/TemporaryName.h"

namespace fs = std::filesystem;

namespace {

// File names in the system's own characters: bytes on POSIX systems, UTF-16 on Windows.
using Char = fs::path::value_type;
using Name = fs::path::string_type;
using NameView = std::basic_string_view<Char>;

constexpr Char kDot = '.';
constexpr std::size_t kMaxDigits = 19;  // any such number fits an unsigned long long

const Name& Suffix() {
    static const Name suffix = fs::path(".tmp").native();
    return suffix;
}

Name NamePrefix(const fs::path& target) {
    return Name(1, kDot) + target.filename().native() + kDot;
}

// Reads the decimal digits at the start of the text up to the given end character, and moves the
// text past that character.
bool ReadNumberUntil(NameView& text, Char end, unsigned long long& value) {
    std::size_t digits = 0;
    value = 0;
    while (digits < text.size() && digits < kMaxDigits && text[digits] >= '0' &&
           text[digits] <= '9') {
        value = value * 10 + static_cast<unsigned>(text[digits++] - '0');
    }
    if (digits == 0 || digits == text.size() || text[digits] != end)
        return false;
    text.remove_prefix(digits + 1);
    return true;
}

// The process id in the name when it is a temporary file name for the target, else nothing.
std::optional<unsigned long long> TemporaryWriter(const fs::path& name, const fs::path& target) {
    const Name prefix = NamePrefix(target);
    NameView text = name.native();
    if (!text.starts_with(prefix) || !text.ends_with(Suffix()))
        return std::nullopt;
    text.remove_prefix(prefix.size());
    text.remove_suffix(Suffix().size() - 1);  // keeps the "." that ends the last number
    unsigned long long pid = 0;
    unsigned long long counter = 0;
    unsigned long long ticks = 0;
    if (!ReadNumberUntil(text, kDot, pid) || !ReadNumberUntil(text, kDot, counter) ||
        !ReadNumberUntil(text, kDot, ticks) || !text.empty() || pid == 0) {
        return std::nullopt;
    }
    return pid;
}

}  // namespace

fs::path TemporaryName(const fs::path& target, unsigned long long pid) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    Name name = NamePrefix(target);
    for (const unsigned long long part : {pid, static_cast<unsigned long long>(counter++),
                                          static_cast<unsigned long long>(ticks % 1000000)}) {
        name += fs::path(std::to_string(part)).native();
        name += kDot;
    }
    name += Suffix().substr(1);
    return name;
}

void ForEachTemporary(const fs::path& target,
                      const std::function<void(const fs::path&, unsigned long long)>& visit) {
    std::error_code error;
    fs::directory_iterator files(target.parent_path(), error);
    for (; !error && files != fs::directory_iterator(); files.increment(error)) {
        const fs::path& path = files->path();
        if (const std::optional<unsigned long long> pid = TemporaryWriter(path.filename(), target))
            visit(path, *pid);
    }
}

bool IsRegularFile(const fs::path& path) {
    // A path that cannot be looked at holds no file that can be read: the caller's next step (the
    // default file's write, or the read) then reports the reason.
    std::error_code unknown;
    return fs::is_regular_file(path, unknown);
}
