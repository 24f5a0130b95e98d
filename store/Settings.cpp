#include "store/Settings.h"

#include <algorithm>
#include <utility>

#include "platform/Session.h"
#include "store/FileErrorText.h"
#include "store/ScheduleFileLayout.h"

Settings::Settings(ScheduleStore& schedule, ProgramSettings values,
                   std::filesystem::path executable)
    : schedule(schedule), values(std::move(values)), executable(std::move(executable)) {}

std::u16string Settings::TurnNotifications(bool on) {
    return Save(kNotifyKey, on ? u"1" : u"0", u"无法保存通知设置：",
                [&] { values.notifyOnOpening = on; });
}

std::u16string Settings::SetWarningLeads(std::vector<int> leads) {
    return Save(kWarningLeadsKey, FormatWarningLeads(leads), u"无法保存提前提醒设置：",
                [&] { values.warningLeads = std::move(leads); });
}

std::u16string Settings::SetWarningSound(bool on) {
    return Save(kWarningSoundKey, on ? u"1" : u"0", u"无法保存提醒声音设置：",
                [&] { values.warningSound = on; });
}

std::u16string Settings::KeepWindowPosition(WindowPosition position) {
    if (values.windowPosition == position)
        return {};
    std::u16string failure = Save(kWindowPositionKey, FormatWindowPosition(position),
                                  u"无法记住窗口位置：", [&] { values.windowPosition = position; });
    if (!failure.empty() && std::exchange(positionFailureTold, true))
        failure.clear();
    return failure;
}

bool Settings::StartsAtLogin() const {
    return ::StartsAtLogin(executable);
}

std::u16string Settings::TurnLoginStart(bool on) {
    const std::error_code error = SetStartAtLogin(executable, on);
    if (!error)
        return {};
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
std::u16string Settings::Save(std::u16string_view key, std::u16string_view value,
                              std::u16string_view failure, Apply apply) {
    if (const std::error_code error = schedule.SaveSetting(key, value))
        return std::u16string(failure) + schedule.DescribeFailure(error, FileAccess::Write);
    apply();
    for (SettingsListener* listener : listeners)
        listener->SettingChanged(key);
    return {};
}
