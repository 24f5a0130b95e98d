#pragma once

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// A fresh empty folder under the system's temporary folder, removed with everything in it at the
// end of the test (write permission is given back first, so read-only test files go too).
class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        path = std::filesystem::temp_directory_path() /
               ("quillot-platform-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() {
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, error)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        }
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    std::filesystem::path operator/(std::string_view name) const { return path / name; }
    // A name beyond ASCII: narrow text would be read in the system's code page on Windows.
    std::filesystem::path operator/(std::u16string_view name) const { return path / name; }

    // The names in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path path;
};
