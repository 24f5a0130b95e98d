#include "platform/ErrorMessage.h"

#include "text/Utf8Text.h"

// The system's messages are UTF-8 (ASCII in the C locale).
std::u16string SystemErrorMessage(std::error_code error) {
    return DecodeUtf8(error.message());
}
