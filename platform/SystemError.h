#pragma once

#include <string>
#include <system_error>

// What an error of the operating system says.

// The operating system's own description of an error, as text.
std::u16string SystemErrorMessage(std::error_code error);

// True when the error says that the disk, or the user's share of it, is full.
bool IsDiskFullError(std::error_code error);
