// The program's settings: each change written to GM.ini and told to the listeners, or left as it
// was with a message when the file cannot be written.

#include "store/Settings.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "store/ScheduleFileLayout.h"
#include "tests/store/StoreTestFiles.h"

namespace {

using Lines = std::vector<std::u16string>;

class HeardKeys final : public SettingsListener {
  public:
    void SettingChanged(std::u16string_view key) override { keys.emplace_back(key); }
    Lines keys;
};

class SettingsTest : public testing::Test {
  protected:
    std::u16string Stored(std::u16string_view key) const {
        std::error_code error;
        return ReadValue(ini, kSettingsSection, key, error).value_or(u"-");
    }

    TempFolder folder;
    std::filesystem::path ini = folder / "GM.ini";
    ScheduleStore schedule{{ini}, FixedClock()};
    Settings settings{schedule, schedule.LoadAtStartup().value, folder / "quillot"};
};

// Each change: its key, what it does, the value then stored, and the start of its message when the
// file cannot be written.
struct Change {
    std::u16string_view key;
    std::function<std::error_code(Settings&)> make;
    std::u16string stored;
    std::function<bool(const ProgramSettings&)> holds;
    std::u16string message;
};

TEST_F(SettingsTest, EachChangeIsWrittenAndToldOrLeftAsItWasWithItsMessage) {
    const Change changes[] = {
        {kNotifyKey, [](Settings& s) { return s.TurnNotifications(true); }, u"1",
         [](const ProgramSettings& v) { return v.notifyOnOpening; }, u"无法保存通知设置："},
        {kWarningLeadsKey,
         [](Settings& s) {
             return s.SetWarningLeads({30, 10});
         },
         u"30,10",
         [](const ProgramSettings& v) {
             return v.warningLeads == std::vector{30, 10};
         },
         u"无法保存提前提醒设置："},
        {kWarningSoundKey, [](Settings& s) { return s.SetWarningSound(true); }, u"1",
         [](const ProgramSettings& v) { return v.warningSound; }, u"无法保存提醒声音设置："},
        {kWindowPositionKey,
         [](Settings& s) {
             return s.KeepWindowPosition({-12, 40});
         },
         u"-12,40",
         [](const ProgramSettings& v) {
             return v.windowPosition == WindowPosition{-12, 40};
         },
         u"无法记住窗口位置："},
    };
    HeardKeys heard;
    settings.Listen(heard);
    for (const Change& change : changes) {
        EXPECT_FALSE(change.make(settings)) << testing::PrintToString(change.stored);
        EXPECT_EQ(Stored(change.key), change.stored);
        EXPECT_TRUE(change.holds(settings.Values())) << testing::PrintToString(change.stored);
    }
    EXPECT_EQ(heard.keys, (Lines{u"活动开启时通知", u"提前提醒", u"提醒声音", u"窗口位置"}));

    Settings unwritable{schedule, {}, folder / "quillot"};
    unwritable.Listen(heard);
    // GM.ini cannot be replaced once a folder stands in its place.
    std::filesystem::remove(ini);
    std::filesystem::create_directory(ini);
    for (const Change& change : changes) {
        const std::error_code error = change.make(unwritable);
        ASSERT_TRUE(error) << testing::PrintToString(change.stored);
        const std::u16string message = unwritable.DescribeSaveError(change.key, error);
        EXPECT_TRUE(message.starts_with(change.message + ini.u16string()))
            << testing::PrintToString(message);
        EXPECT_FALSE(change.holds(unwritable.Values())) << testing::PrintToString(change.stored);
    }
    EXPECT_EQ(heard.keys.size(), 4u) << "no failure is told as a change";
    settings.StopListening(heard);
    unwritable.StopListening(heard);
}

// The window kept where it was dragged: no write where it was kept already, and a failure returned
// once however often it is dragged.
TEST_F(SettingsTest, APositionIsWrittenWhenItChangesAndItsFailureReturnedOnce) {
    ASSERT_FALSE(settings.KeepWindowPosition({5, 6}));
    std::filesystem::remove(ini);
    EXPECT_FALSE(settings.KeepWindowPosition({5, 6})) << "where it was kept: no write";
    EXPECT_FALSE(std::filesystem::exists(ini));
    std::filesystem::create_directory(ini);
    EXPECT_TRUE(settings.KeepWindowPosition({7, 8}));
    EXPECT_FALSE(settings.KeepWindowPosition({9, 10})) << "returned once";
    EXPECT_EQ(settings.Values().windowPosition, (WindowPosition{5, 6}));
}

}  // namespace
