#pragma once

#include <filesystem>
#include <memory>

// Holds the right to be the one running instance of an executable path, until destroyed or until
// the process ends (the operating system releases it even after a crash).
class SingleInstance {
  public:
    // Empty when another process already holds the path.
    static std::unique_ptr<SingleInstance> Acquire(const std::filesystem::path& executable);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

  private:
    struct Handle;
    explicit SingleInstance(std::unique_ptr<Handle> handle);
    std::unique_ptr<Handle> handle;
};
