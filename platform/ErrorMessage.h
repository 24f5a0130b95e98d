#pragma once

#include <string>
#include <system_error>

// The operating system's own description of an error, as text.
std::u16string SystemErrorMessage(std::error_code error);
