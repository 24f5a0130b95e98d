// Takes the single-instance lock of the path given as argument (without one, of its own path, as
// the program does), prints "acquired" or "busy", and when it got the lock keeps it until its
// standard input closes or it is killed.
#include <cstdio>
#include <iostream>

#include "platform/Process.h"

int main(int argc, char** argv) {
    if (argc > 2)
        return 2;
    std::unique_ptr<SingleInstance> instance =
        SingleInstance::Acquire(argc == 2 ? std::filesystem::path(argv[1]) : ExecutablePath());
    std::cout << (instance ? "acquired" : "busy") << std::endl;
    if (!instance)
        return 1;
    while (std::getchar() != EOF) {
    }
    return 0;
}
