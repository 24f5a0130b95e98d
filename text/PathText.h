#pragma once

#include <filesystem>
#include <string>

// The path as text for a message. Never fails: a name that is not valid in the system's encoding
// shows U+FFFD where it cannot be read.
std::u16string PathText(const std::filesystem::path& path);
