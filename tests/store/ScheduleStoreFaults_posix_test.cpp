// The schedule store against what happens to it from outside: links, writers killed part way.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <thread>

#include "store/ScheduleStore.h"
#include "store/StartupMessage.h"
#include "tests/store/SavedSchedule.h"
#include "tests/store/StoreTestFiles.h"
#include "tests/support/EndedProcess.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A store on the file, loaded as at start-up.
std::unique_ptr<ScheduleStore> StartedAt(const fs::path& path) {
    auto store = std::make_unique<ScheduleStore>(IniLocation{path}, [] { return LocalTime{}; });
    store->LoadAtStartup();
    return store;
}

TEST(ScheduleStoreFaults, StartupRemovesTemporariesOfEndedWriters) {
    TempFolder folder;
    WriteTestFile(folder / "GM.ini", RenderSavedSchedule({{u"早会", u"09:00|每日"}}));
    const std::string left = ".GM.ini." + std::to_string(EndedProcessId()) + ".0.4711.tmp";
    WriteTestFile(folder / left, "[固定时间");
    EXPECT_EQ(StartedAt(folder / "GM.ini")->Tasks().size(), 1u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"GM.ini"});
}

// A link at GM.ini stays a link; the file it points to is read and written, or created with the
// default schedule at the start when it does not exist yet.
TEST(ScheduleStoreFaults, ALinkStaysAndItsFileIsUsed) {
    for (const bool dangling : {true, false}) {
        TempFolder folder;
        fs::create_directory(folder / "elsewhere");
        const fs::path real = folder / "elsewhere" / "schedule.ini";
        if (!dangling)
            WriteTestFile(real, RenderSavedSchedule({{u"早会", u"09:00|每日"}}));
        fs::create_symlink(real, folder / "GM.ini");
        const std::unique_ptr<ScheduleStore> store = StartedAt(folder / "GM.ini");
        EXPECT_EQ(store->Tasks().size(), dangling ? 2u : 1u) << dangling;
        EXPECT_FALSE(
            store->SaveActivity(ActivityKind::FixedTimes, u"午休", u"12:00|每日", std::nullopt));
        EXPECT_TRUE(fs::is_symlink(folder / "GM.ini")) << dangling;
        store->Reload();
        EXPECT_EQ(store->Tasks().size(), dangling ? 3u : 2u) << dangling;
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"GM.ini", "elsewhere"}));
    }
}

// The fingerprints in the saver's log, after the state the test left; a line cut by the kill is
// left out (its change had not started).
std::vector<std::uint64_t> LoggedStates(const fs::path& log, std::uint64_t first) {
    std::vector<std::uint64_t> states = {first};
    const std::string text = ReadBytes(log);
    std::istringstream lines(text.substr(0, text.rfind('\n') + 1));
    for (std::uint64_t state; lines >> state;)
        states.push_back(state);
    return states;
}

pid_t StartSaver(const fs::path& ini, const fs::path& log, unsigned seed) {
    const std::string arguments[] = {SCHEDULE_STORE_SAVER, ini.string(), log.string(),
                                     std::to_string(seed)};
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = -1;
    EXPECT_EQ(::posix_spawn(&child, SCHEDULE_STORE_SAVER, nullptr, nullptr, argv.data(), environ),
              0);
    return child;
}

// A process saving in a loop is killed at random moments (QUILLOT_KILLS times, 50 unless set).
// After each kill GM.ini is exactly the state before or after the change that was under way, and
// after the next start no temporary file is left.
TEST(ScheduleStoreFaults, KilledWhileSavingLeavesTheOldOrTheNewFile) {
    const char* setting = std::getenv("QUILLOT_KILLS");
    const int kills = setting ? std::atoi(setting) : 50;
    TempFolder folder;
    TempFolder logs;
    const fs::path ini = folder / "GM.ini";
    SavedActivities activities;
    for (int i = 0; i < 200; ++i) {
        const std::string name = "task" + std::to_string(i);
        activities.emplace_back(std::u16string(name.begin(), name.end()),
                                u"08:00,12:00,16:00,20:00|星期一,星期三,星期五");
    }
    WriteTestFile(ini, RenderSavedSchedule(activities));
    // The saved schedule has no duration: that is all a start-up may tell of it.
    const std::u16string onlyTheDuration =
        DescribeStartupProblems(ini, {.duration = InterpretDuration(std::nullopt)});

    std::mt19937 random(20240917);
    int interrupted = 0;
    int temporariesLeft = 0;
    std::size_t changes = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const fs::path log = logs / ("saver-" + std::to_string(kill) + ".log");
        const std::uint64_t before = Fingerprint(ReadBytes(ini));
        const pid_t saver = StartSaver(ini, log, random());
        ASSERT_GT(saver, 0);
        // Once it has begun changing the file, somewhere within a few changes.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (LoggedStates(log, before).size() < 2 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(saver, SIGKILL);
        int status = 0;
        ::waitpid(saver, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saver ended by itself: " << WEXITSTATUS(status);

        const std::vector<std::uint64_t> states = LoggedStates(log, before);
        const std::uint64_t found = Fingerprint(ReadBytes(ini));
        ASSERT_GE(states.size(), 2u);
        ASSERT_TRUE(found == states.back() || found == states[states.size() - 2])
            << "kill " << kill << ": GM.ini is neither state";
        interrupted += found != states.back();
        changes += states.size() - 1;
        temporariesLeft += static_cast<int>(folder.Names().size()) - 1;

        ScheduleStore store({ini}, [] { return LocalTime{}; });
        EXPECT_EQ(store.DescribeProblems(store.LoadAtStartup().problem), onlyTheDuration);
        ASSERT_EQ(folder.Names(), std::vector<std::string>{"GM.ini"}) << "kill " << kill;
    }
    std::cout << kills << " kills during " << changes << " changes: " << interrupted
              << " before their change was in place, " << temporariesLeft
              << " temporary files left for the next start\n";
}

}  // namespace
