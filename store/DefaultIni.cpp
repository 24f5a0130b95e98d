#include "store/DefaultIni.h"

#include <array>
#include <cstdio>

#include "platform/Files.h"
#include "text/Cp936.h"

namespace {

constexpr std::u16string_view kSeparator = u";=================================================";

// Line 11 lines its "**" up with the next 14-byte column, counted in code page 936 bytes.
constexpr std::u16string_view kLine11Start = u";    - 多个时间点/时间段使用**英文逗号 ";
constexpr std::u16string_view kLine11End = u"** 分隔";
constexpr std::size_t kColumnWidth = 14;

std::u16string FormatCreated(const LocalTime& created) {
    std::array<char, 64> buffer{};
    std::snprintf(
        buffer.data(), buffer.size(), "%04d-%02u-%02u %02d:%02d:%02d",
        static_cast<int>(created.date.year()), static_cast<unsigned>(created.date.month()),
        static_cast<unsigned>(created.date.day()), created.hour, created.minute, created.second);
    return std::u16string(buffer.data(),
                          buffer.data() + std::char_traits<char>::length(buffer.data()));
}

std::u16string Line11() {
    const std::size_t written = EncodeCp936(kLine11Start).size();
    std::u16string line(kLine11Start);
    line.append(kColumnWidth - written % kColumnWidth, u' ');
    line += kLine11End;
    return line;
}

}  // namespace

std::u16string DefaultIniText(const LocalTime& created) {
    const std::u16string lines[] = {
        std::u16string(kSeparator),
        u"; GM.ini 系统定时任务配置文件",
        u"; 生成时间：" + FormatCreated(created),
        std::u16string(kSeparator),
        u"; 【格式规范说明】",
        u"; 1. 时间格式：24小时制，精确到分钟，格式为 HH:mm",
        u"; 2. "
        u"周期标识：星期一、星期二、星期三、星期四、星期五、星期六、星期日；全周期统一使用：每日",
        u"; 3. 分隔规则：",
        u";    - 任务名称与时间定义使用等号 =  分隔",
        u";    - 时间定义与执行周期使用竖线 | 分隔",
        Line11(),
        u"; 4. 标准配置范式：",
        u";    任务名称=时间定义|执行周期",
        std::u16string(kSeparator),
        u"; 【示例说明】",
        u"; 1. 固定时间点任务（定点刷新）",
        u";    红包刷新时间=00:00,08:00,12:00,16:00,20:00,22:00|每日",
        u"; 2. 时间段任务（区间活动）",
        u";    就餐时间=06:00-06:30,12:00-12:30,18:00-18:30|星期一,星期二,星期三,星期四,星期五",
        std::u16string(kSeparator),
        u"",
        u"",
        u"[固定时间任务日程]",
        u"; 格式：活动名=时间列表|星期几",
        u"红包刷新时间=00:00,08:00,12:00,16:00,20:00,22:00|每日",
        u"",
        u"",
        u"[范围时间任务日程]",
        u"; 格式：活动名=时间范围|星期几",
        u"就餐时间=06:00-06:30,12:00-12:30,18:00-18:30|星期一,星期二,星期三,星期四,星期五",
        u"",
        u"",
        u"[持续时间设置]",
        u"; 固定时间点活动的持续时长，单位：分钟",
        u"持续时间=5",
    };
    std::u16string text;
    for (const std::u16string& line : lines)
        text += line + u"\r\n";
    return text;
}

std::error_code WriteDefaultIni(const std::filesystem::path& path, const LocalTime& created) {
    return ReplaceFileAtomically(path, EncodeCp936(DefaultIniText(created)));
}

std::error_code EnsureIniFile(const std::filesystem::path& file, const Clock& clock) {
    if (IsRegularFile(file))
        return {};
    return WriteDefaultIni(file, clock());
}
