#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/SingleInstance.h"
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
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(toChild[0], STDIN_FILENO);
            ::dup2(fromChild[1], STDOUT_FILENO);
            ::close(toChild[1]);
            ::close(fromChild[0]);
            ::execl(SINGLE_INSTANCE_HOLDER, SINGLE_INSTANCE_HOLDER, executable.c_str(), nullptr);
            ::_exit(127);
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        input_ = toChild[1];
        output_ = fromChild[0];
    }
    ~Holder() {
        Kill();
        if (input_ >= 0)
            ::close(input_);
        if (output_ >= 0)
            ::close(output_);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    // "acquired" or "busy"; "timeout" when the child says nothing for ten seconds.
    std::string Answer() {
        std::string line;
        char c = 0;
        pollfd ready{output_, POLLIN, 0};
        while (::poll(&ready, 1, 10000) == 1 && ::read(output_, &c, 1) == 1 && c != '\n') {
            line.push_back(c);
        }
        return c == '\n' ? line : "timeout";
    }

    void Kill() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
};

// Runs the test with $XDG_RUNTIME_DIR pointing to a fresh folder, or unset so that the lock goes
// to the private folder under /tmp.
class SingleInstancePosix : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"))
            saved_ = runtime;
        if (GetParam()) {
            ::setenv("XDG_RUNTIME_DIR", runtime_.path().c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
    }
    void TearDown() override {
        if (saved_) {
            ::setenv("XDG_RUNTIME_DIR", saved_->c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
    }

    TempFolder runtime_;
    TempFolder programs_;

  private:
    std::optional<std::string> saved_;
};

TEST_P(SingleInstancePosix, SecondProcessOfTheSamePathIsRefusedUntilTheFirstIsKilled) {
    const auto program = programs_ / "a" / "quillot";
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
    const auto program = programs_ / "a" / "quillot";
    Holder first(program);
    ASSERT_EQ(first.Answer(), "acquired");
    for (const auto& other : {programs_ / "b" / "quillot", programs_ / "A" / "quillot",
                              programs_ / "a" / "quillot2", programs_ / "a"}) {
        Holder beside(other);
        EXPECT_EQ(beside.Answer(), "acquired") << other;
    }
}

TEST_P(SingleInstancePosix, ReleasedWhenDestroyed) {
    const auto program = programs_ / "a" / "quillot";
    auto instance = SingleInstance::Acquire(program);
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(SingleInstance::Acquire(program), nullptr);
    instance.reset();
    EXPECT_NE(SingleInstance::Acquire(program), nullptr);
    if (GetParam()) {
        EXPECT_TRUE(runtime_.Names().empty()) << "the lock file is left behind";
    }
}

INSTANTIATE_TEST_SUITE_P(RuntimeFolder, SingleInstancePosix, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "XdgRuntimeDir" : "PrivateTmpFolder";
                         });

}  // namespace
