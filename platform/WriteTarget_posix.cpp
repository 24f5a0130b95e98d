#include "platform/WriteTarget_posix.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinks = 40;  // as the kernel allows when it follows links itself

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
