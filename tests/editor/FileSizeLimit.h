#pragma once

#include <cstdint>

// While alive, files this process writes cannot grow past the given size, as on a disk that is
// full from there on; a write beyond it fails instead of ending the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::uintmax_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False where the system offers no such limit.
    bool Active() const { return active; }

  private:
    bool active = false;
    std::uintmax_t previous = 0;
};
