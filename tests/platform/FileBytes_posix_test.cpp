#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Files.h"
#include "tests/platform/FileBytesTestFiles.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/TempFolder.h"

namespace {

using testing::ElementsAre;

mode_t ModeOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

TEST(FileBytesPosix, KeepsThePermissionBits) {
    for (mode_t mode : {0600, 0640, 0644, 0664, 0755, 0200}) {
        TempFolder folder;
        WriteTestFile(folder / "GM.ini", kOldBytes);
        ASSERT_EQ(::chmod((folder / "GM.ini").c_str(), mode), 0);
        EXPECT_FALSE(ReplaceFileAtomically(folder / "GM.ini", "new"));
        EXPECT_EQ(ModeOf(folder / "GM.ini"), mode) << std::oct << mode;
        ::chmod((folder / "GM.ini").c_str(), 0600);
        EXPECT_EQ(ReadBack(folder / "GM.ini"), "new");
    }
}

TEST(FileBytesPosix, NewFileFollowsTheUmask) {
    TempFolder folder;
    mode_t mask = ::umask(027);
    EXPECT_FALSE(ReplaceFileAtomically(folder / "GM.ini", "new"));
    ::umask(mask);
    EXPECT_EQ(ModeOf(folder / "GM.ini"), 0640u);
}

// Root may write anywhere, but a file or folder its user marked read-only is refused all the same.
TEST(FileBytesPosix, ReadOnlyFileOrFolderIsRefusedAndKept) {
    const struct {
        mode_t fileMode;
        mode_t folderMode;
    } cases[] = {{0444, 0755}, {0400, 0700}, {0644, 0555}, {0444, 0555}};
    for (const auto& c : cases) {
        TempFolder folder;
        WriteTestFile(folder / "GM.ini", kOldBytes);
        ::chmod((folder / "GM.ini").c_str(), c.fileMode);
        ::chmod(folder.Path().c_str(), c.folderMode);
        EXPECT_EQ(ReplaceFileAtomically(folder / "GM.ini", "new"), std::errc::permission_denied)
            << std::oct << c.fileMode << " in " << c.folderMode;
        ::chmod(folder.Path().c_str(), 0700);
        ::chmod((folder / "GM.ini").c_str(), 0600);
        EXPECT_EQ(ReadBack(folder / "GM.ini"), kOldBytes);
        EXPECT_THAT(folder.Names(), ElementsAre("GM.ini"));
    }
}

TEST(FileBytesPosix, ReadOnlyFolderRefusesANewFile) {
    TempFolder folder;
    ::chmod(folder.Path().c_str(), 0555);
    EXPECT_EQ(ReplaceFileAtomically(folder / "GM.ini", "new"), std::errc::permission_denied);
    ::chmod(folder.Path().c_str(), 0700);
    EXPECT_TRUE(folder.Names().empty());
}

// Opening a named pipe waits for a writer unless told not to: the read fails at once instead.
TEST(FileBytesPosix, ANamedPipeIsNotReadAndNotWaitedFor) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "GM.ini").c_str(), 0644), 0);
    const Outcome<std::string> read = ReadFileBytes(folder / "GM.ini");
    EXPECT_EQ(read.value, "");
    EXPECT_EQ(read.problem, std::errc::invalid_argument);
}

// The file size limit makes the write stop part way, as a full disk would.
TEST(FileBytesPosix, FailedWriteLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    WriteTestFile(folder / "GM.ini", kOldBytes);
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::error_code error = ReplaceFileAtomically(folder / "GM.ini", std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(ReadBack(folder / "GM.ini"), kOldBytes);
    EXPECT_THAT(folder.Names(), ElementsAre("GM.ini"));
}

TEST(FileBytesPosix, FullDiskLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    std::filesystem::path disk = folder / "disk";
    std::filesystem::create_directory(disk);
    if (::mount("quillot-test", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no small file system can be mounted here";
    }
    WriteTestFile(disk / "GM.ini", kOldBytes);
    std::error_code error = ReplaceFileAtomically(disk / "GM.ini", std::string(256 * 1024, 'x'));
    std::string after = ReadBack(disk / "GM.ini");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(disk)) {
        names.push_back(entry.path().filename().string());
    }
    ::umount2(disk.c_str(), MNT_DETACH);
    EXPECT_EQ(error, std::errc::no_space_on_device);
    EXPECT_EQ(after, kOldBytes);
    EXPECT_THAT(names, ElementsAre("GM.ini"));
}

TEST(FileBytesPosix, LinkStaysAndItsFileIsReplaced) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "real");
    WriteTestFile(folder / "real" / "GM.ini", kOldBytes);
    std::filesystem::create_symlink(folder / "real" / "GM.ini", folder / "GM.ini");
    EXPECT_FALSE(ReplaceFileAtomically(folder / "GM.ini", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "GM.ini"));
    EXPECT_EQ(ReadBack(folder / "real" / "GM.ini"), "new");
    EXPECT_THAT(folder.Names(), ElementsAre("GM.ini", "real"));
}

// A link whose file does not exist yet keeps pointing there, and the file is created, as long as
// its folder exists.
TEST(FileBytesPosix, DanglingLinkStaysAndItsFileIsCreated) {
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links;  // name, what it points to
        std::string created;                                     // empty: the write fails
    } cases[] = {
        {"absolute", {{"GM.ini", "@/real/GM.ini"}}, "real/GM.ini"},
        {"relative", {{"GM.ini", "real/new.ini"}}, "real/new.ini"},
        {"through a second link", {{"GM.ini", "hop"}, {"hop", "real/GM.ini"}}, "real/GM.ini"},
        {"into a missing folder", {{"GM.ini", "gone/GM.ini"}}, ""},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        std::filesystem::create_directory(folder / "real");
        for (const auto& [name, to] : c.links) {
            const std::string target = to[0] == '@' ? folder.Path().string() + to.substr(1) : to;
            std::filesystem::create_symlink(target, folder / name);
        }
        const std::error_code error = ReplaceFileAtomically(folder / "GM.ini", "new");
        EXPECT_TRUE(std::filesystem::is_symlink(folder / "GM.ini")) << c.what;
        if (c.created.empty()) {
            EXPECT_EQ(error, std::errc::no_such_file_or_directory) << c.what;
            EXPECT_FALSE(std::filesystem::exists(folder / "gone")) << c.what;
        } else {
            EXPECT_FALSE(error) << c.what << ": " << error.message();
            EXPECT_EQ(ReadBack(folder / c.created), "new") << c.what;
        }
        EXPECT_EQ(folder.Names().size(), c.links.size() + 1) << c.what << ": nothing else beside";
    }
}

// Temporary files of writers that were killed go at the next start or write; those of a writer
// that may still run stay. A writer holds a lock on its file from before it has a name; only in
// the moment between creating a named file and locking it, its process running is all there is.
TEST(FileBytesPosix, TemporariesOfEndedWritersAreRemoved) {
    const std::string ended = std::to_string(EndedProcessId());
    const std::string self = std::to_string(::getpid());
    const auto dayAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    const struct {
        std::string name;
        bool locked;
        bool old;  // last written a day ago, before this process started
        bool kept;
    } cases[] = {
        {".GM.ini." + ended + ".0.123456.tmp", false, false, false},
        {".GM.ini." + ended + ".7.1.tmp", true, false, true},
        {".GM.ini." + self + ".3.99.tmp", false, true, false},  // the id was handed out again
        {".GM.ini." + self + ".4.99.tmp", false, false, true},  // created, not yet locked
        {".GM.ini." + ended + ".0.1.tmp.bak", false, true, true},
        {".GM.ini.x" + ended + ".0.1.tmp", false, true, true},
        {".GM.ini." + ended + ".0.tmp", false, true, true},
        {".other.ini." + ended + ".0.1.tmp", false, true, true},
        {"GM.ini." + ended + ".0.1.tmp", false, true, true},
    };
    const std::function<void(const TempFolder&)> ways[] = {
        [](const TempFolder& folder) { RemoveAbandonedTemporaries(folder / "GM.ini"); },
        [](const TempFolder& folder) { ReplaceFileAtomically(folder / "GM.ini", "new"); },
    };
    for (const auto& removeAbandoned : ways) {
        TempFolder folder;
        WriteTestFile(folder / "GM.ini", kOldBytes);
        std::vector<int> locks;
        std::vector<std::string> expected = {"GM.ini"};
        for (const auto& c : cases) {
            WriteTestFile(folder / c.name, "part");
            if (c.old)
                std::filesystem::last_write_time(folder / c.name, dayAgo);
            if (c.locked) {
                locks.push_back(::open((folder / c.name).c_str(), O_RDONLY | O_CLOEXEC));
                ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
            }
            if (c.kept)
                expected.push_back(c.name);
        }
        removeAbandoned(folder);
        for (int fd : locks)
            ::close(fd);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(folder.Names(), expected);
    }
}

TEST(FileBytesPosix, KeepsTheOwner) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    TempFolder folder;
    WriteTestFile(folder / "GM.ini", kOldBytes);
    ASSERT_EQ(::chown((folder / "GM.ini").c_str(), 4321, 4322), 0);
    EXPECT_FALSE(ReplaceFileAtomically(folder / "GM.ini", "new"));
    struct stat info {};
    ASSERT_EQ(::stat((folder / "GM.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 4322u);
}

}  // namespace
