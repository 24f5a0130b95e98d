#include <cerrno>

#include "platform/SystemError.h"
#include "text/Utf8Text.h"

// The system's messages are UTF-8 (ASCII in the C locale).
std::u16string SystemErrorMessage(std::error_code error) {
    return DecodeUtf8(error.message());
}

// EDQUOT has no std::errc name, so it is compared as a number in either errno category.
bool IsDiskFullError(std::error_code error) {
    bool isErrno =
        error.category() == std::generic_category() || error.category() == std::system_category();
    return error == std::errc::no_space_on_device || (isErrno && error.value() == EDQUOT);
}
