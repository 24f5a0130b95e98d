#pragma once

#include <string>
#include <system_error>

// What the program was doing with the file when the error came.
enum class FileAccess { Read, Write };

// Why a file could not be read or written, in plain Chinese for a message box.
std::u16string DescribeFileError(std::error_code error, FileAccess access);
