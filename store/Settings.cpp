#include "store/Settings.h"

#include <algorithm>
#include <utility>

#include "platform/Session.h"
#include "store/FileErrorText.h"
#include "store/ScheduleFileLayout.h"

Settings::Settings(ScheduleStore& schedule, ProgramSettings values,
                   std::filesystem::path executable)
    : schedule(schedule), values(std::move(values)), executable(std::move(executable)) {}

std::error_code Settings::TurnNotifications(bool on) {
    return Save(kNotifyKey, on ? u"1" : u"0", [&] { values.notifyOnOpening = on; });
}

std::error_code Settings::SetWarningLeads(std::vector<int> leads) {
    return Save(kWarningLeadsKey, FormatWarningLeads(leads),
                [&] { values.warningLeads = std::move(leads); });
}

std::error_code Settings::SetWarningSound(bool on) {
    return Save(kWarningSoundKey, on ? u"1" : u"0", [&] { values.warningSound = on; });
}

std::error_code Settings::KeepWindowPosition(WindowPosition position) {
    if (values.windowPosition == position)
        return {};
    std::error_code error = Save(kWindowPositionKey, FormatWindowPosition(position),
                                 [&] { values.windowPosition = position; });
    if (error && std::exchange(positionErrorReturned, true))
        error.clear();
    return error;
}

std::error_code Settings::SetCalendarFile(std::u16string file) {
    std::optional<std::u16string_view> value;
    if (!file.empty())
        value = file;
    return Save(kCalendarFileKey, value, [&] { values.calendarFile = std::move(file); });
}

std::u16string Settings::DescribeSaveError(std::u16string_view key, std::error_code error) const {
    constexpr std::pair<std::u16string_view, std::u16string_view> kWhat[] = {
        {kNotifyKey, u"无法保存通知设置："},
        {kWarningLeadsKey, u"无法保存提前提醒设置："},
        {kWarningSoundKey, u"无法保存提醒声音设置："},
        {kWindowPositionKey, u"无法记住窗口位置："},
        {kCalendarFileKey, u"无法保存日历文件设置："}};
    const auto* what = std::find_if(std::begin(kWhat), std::end(kWhat),
                                    [&](const auto& setting) { return setting.first == key; });
    return std::u16string(what->second) + schedule.DescribeFileError(error, FileAccess::Write);
}

bool Settings::StartsAtLogin() const {
    return ::StartsAtLogin(executable);
}

std::error_code Settings::TurnLoginStart(bool on) {
    return SetStartAtLogin(executable, on);
}

std::u16string Settings::DescribeLoginStartError(bool on, std::error_code error) {
    return (on ? u"无法设置登录时启动。\n原因：" : u"无法取消登录时启动。\n原因：") +
           DescribeFileError(error, FileAccess::Write) + u"。";
}

void Settings::Listen(SettingsListener& listener) {
    listeners.push_back(&listener);
}

void Settings::StopListening(SettingsListener& listener) {
    std::erase(listeners, &listener);
}

template <typename Apply>
std::error_code Settings::Save(std::u16string_view key, std::optional<std::u16string_view> value,
                               Apply apply) {
    if (const std::error_code error = schedule.SaveSetting(key, value))
        return error;
    apply();
    for (SettingsListener* listener : listeners)
        listener->SettingChanged(key);
    return {};
}
