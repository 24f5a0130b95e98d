#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/Process.h"
#include "tests/support/TempFolder.h"

namespace {

// single_instance_holder in a child process: it reports whether it got the lock of a path and,
// if so, keeps it until it is killed or its standard input closes.
class Holder {
  public:
    explicit Holder(const std::filesystem::path& executable) {
        int toChild[2];
        int fromChild[2];
        if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(toChild[0], STDIN_FILENO);
            ::dup2(fromChild[1], STDOUT_FILENO);
            ::close(toChild[1]);
            ::close(fromChild[0]);
            ::execl(SINGLE_INSTANCE_HOLDER, SINGLE_INSTANCE_HOLDER, executable.c_str(), nullptr);
            ::_exit(127);
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        input = toChild[1];
        output = fromChild[0];
    }
    ~Holder() {
        Kill();
        if (input >= 0)
            ::close(input);
        if (output >= 0)
            ::close(output);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    // "acquired" or "busy"; "timeout" when the child says nothing for ten seconds.
    std::string Answer() {
        std::string line;
        char c = 0;
        pollfd ready{output, POLLIN, 0};
        while (::poll(&ready, 1, 10000) == 1 && ::read(output, &c, 1) == 1 && c != '\n') {
            line.push_back(c);
        }
        return c == '\n' ? line : "timeout";
    }

    void Kill() {
        if (pid <= 0)
            return;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        pid = -1;
    }

  private:
    pid_t pid = -1;
    int input = -1;
    int output = -1;
};

// Runs the test with $XDG_RUNTIME_DIR pointing to a fresh folder, or unset so that the lock goes
// to the private folder under /tmp.
class SingleInstancePosix : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (const char* current = std::getenv("XDG_RUNTIME_DIR"))
            saved = current;
        if (GetParam()) {
            ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
    }
    void TearDown() override {
        if (saved) {
            ::setenv("XDG_RUNTIME_DIR", saved->c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
    }

    TempFolder runtime;
    TempFolder programs;

  private:
    std::optional<std::string> saved;
};

TEST_P(SingleInstancePosix, SecondProcessOfTheSamePathIsRefusedUntilTheFirstIsKilled) {
    const auto program = programs / "a" / "quillot";
    Holder first(program);
    ASSERT_EQ(first.Answer(), "acquired");

    Holder second(program);
    EXPECT_EQ(second.Answer(), "busy");
    EXPECT_EQ(SingleInstance::Acquire(program), nullptr);

    first.Kill();
    Holder third(program);
    EXPECT_EQ(third.Answer(), "acquired");
}

TEST_P(SingleInstancePosix, OtherPathsRunBesideIt) {
    const auto program = programs / "a" / "quillot";
    Holder first(program);
    ASSERT_EQ(first.Answer(), "acquired");
    for (const auto& other : {programs / "b" / "quillot", programs / "A" / "quillot",
                              programs / "a" / "quillot2", programs / "a"}) {
        Holder beside(other);
        EXPECT_EQ(beside.Answer(), "acquired") << other;
    }
}

TEST_P(SingleInstancePosix, ReleasedWhenDestroyed) {
    const auto program = programs / "a" / "quillot";
    auto instance = SingleInstance::Acquire(program);
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(SingleInstance::Acquire(program), nullptr);
    instance.reset();
    EXPECT_NE(SingleInstance::Acquire(program), nullptr);
    if (GetParam()) {
        EXPECT_TRUE(runtime.Names().empty()) << "the lock file is left behind";
    }
}

INSTANTIATE_TEST_SUITE_P(RuntimeFolder, SingleInstancePosix, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "XdgRuntimeDir" : "PrivateTmpFolder";
                         });

}  // namespace
