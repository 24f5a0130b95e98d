#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/ConsoleText.h"
#include "text/Utf8Text.h"

bool WriteConsoleText(ConsoleStream stream, std::u16string_view text) {
    const int descriptor = stream == ConsoleStream::Output ? STDOUT_FILENO : STDERR_FILENO;
    const std::string bytes = EncodeUtf8(text);
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t now = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0)
            return false;
        written += static_cast<std::size_t>(now);
    }
    return true;
}
