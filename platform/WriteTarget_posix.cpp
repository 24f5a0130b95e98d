#include "platform/TemporaryFile_posix.h"

#include <unistd.h>

#include <atomic>
#include <charconv>
#include <chrono>

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinks = 40;  // as the kernel allows when it follows links itself
constexpr std::string_view kSuffix = ".tmp";

std::string NamePrefix(const fs::path& target) {
    std::string prefix(".");
    prefix.append(target.filename().string()).append(".");
    return prefix;
}

// Reads a decimal number that ends at the given character; moves the text past that character.
bool ReadNumberUntil(std::string_view& text, char end, long long& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(first, last, value);
    if (failure != std::errc() || stop == first || stop == last || *stop != end || *first == '-')
        return false;
    text.remove_prefix(static_cast<std::size_t>(stop - first) + 1);
    return true;
}

}  // namespace

fs::path WriteTarget(const fs::path& path, std::error_code& error) {
    fs::path target = path;
    for (int links = 0;; ++links) {
        std::error_code notALink;
        if (!fs::is_symlink(target, notALink))
            return target;
        if (links == kMaxLinks) {
            error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            return path;
        }
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            return path;
        // A relative link is read from the folder the link is in.
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

std::string TemporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string name = NamePrefix(target);
    for (const long long part :
         {static_cast<long long>(::getpid()), static_cast<long long>(counter++),
          static_cast<long long>(ticks % 1000000)}) {
        name += std::to_string(part);
        name += '.';
    }
    name += kSuffix.substr(1);
    return name;
}

std::optional<pid_t> TemporaryWriter(std::string_view name, const fs::path& target) {
    const std::string prefix = NamePrefix(target);
    if (!name.starts_with(prefix) || !name.ends_with(kSuffix))
        return std::nullopt;
    name.remove_prefix(prefix.size());
    name.remove_suffix(kSuffix.size() - 1);  // keeps the "." that ends the last number
    long long pid = 0;
    long long counter = 0;
    long long ticks = 0;
    if (!ReadNumberUntil(name, '.', pid) || !ReadNumberUntil(name, '.', counter) ||
        !ReadNumberUntil(name, '.', ticks) || !name.empty() || pid <= 0 ||
        pid != static_cast<pid_t>(pid)) {
        return std::nullopt;
    }
    return static_cast<pid_t>(pid);
}
