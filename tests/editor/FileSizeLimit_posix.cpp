#include <csignal>

#include <sys/resource.h>

#include "tests/editor/FileSizeLimit.h"

namespace {

// The handler of SIGXFSZ before the limit was set; ignoring it makes a write past the limit fail
// with EFBIG instead of ending the process.
void (*previousHandler)(int) = SIG_DFL;

}  // namespace

FileSizeLimit::FileSizeLimit(std::uintmax_t bytes) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || bytes > limit.rlim_max)
        return;
    previous = limit.rlim_cur;
    previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    active = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    if (!active)
        std::signal(SIGXFSZ, previousHandler);
}

FileSizeLimit::~FileSizeLimit() {
    if (!active)
        return;
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = previous;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
}
