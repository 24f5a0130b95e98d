#pragma once

#include <string>
#include <system_error>

// Why a file could not be written or read, in plain Chinese for a message box.
std::u16string DescribeFileError(std::error_code error);
