#include "tests/support/ReadOnlyFolder.h"

namespace fs = std::filesystem;

// Root could write all the same, but the program honours the bits for root too.
ReadOnlyFolder::ReadOnlyFolder(const fs::path& target) : folder(target) {
    fs::permissions(folder,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add, ignored);
}
