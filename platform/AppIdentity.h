#pragma once

#include <string_view>

// The program's name, which titles its windows and message boxes, and its application id: the
// name of its desktop entry, its icon and its notifications.
inline constexpr std::u16string_view kAppTitle = u"Quillot";
inline constexpr std::u16string_view kAppId = u"org.quillot.Quillot";
