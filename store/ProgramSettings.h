#pragma once

#include <optional>
#include <string>
#include <string_view>

// The program's own settings, kept in GM.ini beside the schedule in a section that the loader and
// the task editor pass over:
//   [程序设置]
//   活动开启时通知=1      notifications when an activity opens: 1 on, 0 off (off when missing)
//   窗口位置=x,y          where the status window was last dragged, in logical pixels
inline constexpr std::u16string_view kSettingsSection = u"程序设置";
inline constexpr std::u16string_view kNotifyKey = u"活动开启时通知";
inline constexpr std::u16string_view kWindowPositionKey = u"窗口位置";

struct WindowPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

struct ProgramSettings {
    bool notifyOnOpening = false;
    // Missing when the key is, or when its value is not two whole numbers.
    std::optional<WindowPosition> windowPosition;
};

// What the stored notification value means: "1" on, "0" or a missing key off. Any other value
// counts as off too, and is returned in unusable for the report.
bool InterpretNotifySetting(const std::optional<std::u16string>& stored,
                            std::optional<std::u16string>& unusable);

// "x,y" (spaces around either number allowed) as a position, or nothing.
std::optional<WindowPosition> ParseWindowPosition(std::u16string_view text);
std::u16string FormatWindowPosition(WindowPosition position);
