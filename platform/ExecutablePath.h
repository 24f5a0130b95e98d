#pragma once

#include <filesystem>

// The full path of the running executable.
std::filesystem::path ExecutablePath();
