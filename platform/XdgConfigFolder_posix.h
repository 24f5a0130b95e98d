#pragma once

#include <filesystem>

// $XDG_CONFIG_HOME, or ~/.config when that variable is unset, empty or not absolute. Empty when
// neither the variable nor a home folder is known.
std::filesystem::path XdgConfigFolder();
