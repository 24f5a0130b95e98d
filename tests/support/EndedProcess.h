#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// The id of a process that has ended: a child that exits at once and has been reaped.
inline pid_t EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}
