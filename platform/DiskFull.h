#pragma once

#include <system_error>

// True when the error says that the disk, or the user's share of it, is full.
bool IsDiskFullError(std::error_code error);
