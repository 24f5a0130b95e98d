#pragma once

#include <filesystem>
#include <string>

// Takes from everyone the right to add files to a folder for as long as it lives, the way a user
// makes a folder read-only: its write bits on POSIX, an access-control entry on Windows.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const std::filesystem::path& target);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // Why a test of the refusal cannot run on this system; empty when it can.
    const std::string& SkipReason() const { return skipReason; }

  private:
    std::filesystem::path folder;
    std::string skipReason;
};
