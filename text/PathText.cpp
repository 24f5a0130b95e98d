#include "text/PathText.h"

#include <exception>

#include "text/Utf8Text.h"

std::u16string PathText(const std::filesystem::path& path) {
    try {
        return path.u16string();
    } catch (const std::exception&) {
        // Only a POSIX name that is not UTF-8 gets here; its bytes are read as far as they can be.
        return DecodeUtf8(path.string());
    }
}
