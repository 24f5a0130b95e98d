#include "cli/CommandLine.h"

#include <algorithm>
#include <array>

#include "platform/AppIdentity.h"

namespace {

// The options of QCoreApplication, QGuiApplication, QApplication and the X11 platform, without
// their leading dash.
constexpr std::array<std::u16string_view, 17> kQtOptionsWithValue = {
    u"platform",        u"platformpluginpath",
    u"platformtheme",   u"plugin",
    u"qwindowgeometry", u"qwindowtitle",
    u"qwindowicon",     u"geometry",
    u"title",           u"icon",
    u"session",         u"style",
    u"stylesheet",      u"qmljsdebugger",
    u"display",         u"name",
    u"visual"};
constexpr std::array<std::u16string_view, 7> kQtFlags = {
    u"reverse", u"testability", u"widgetcount", u"qdevel", u"qdebug", u"nograb", u"dograb"};
// Those that Qt also reads as "-name=value".
constexpr std::array<std::u16string_view, 3> kQtOptionsWithJoinedValue = {u"style", u"stylesheet",
                                                                          u"qmljsdebugger"};

template <std::size_t N>
bool Contains(const std::array<std::u16string_view, N>& names, std::u16string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The line for standard error that tells what is unknown.
std::u16string UnknownMessage(std::u16string_view what) {
    std::u16string line = u"quillot：";
    line.append(what).append(u"用法见 quillot --help。\n");
    return line;
}

std::u16string Quoted(std::u16string_view text) {
    std::u16string quoted = u"“";
    quoted.append(text).append(u"”");
    return quoted;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::u16string>& arguments) {
    using Request = CommandLine::Request;
    bool help = false;
    bool version = false;
    Request status = Request::Window;
    bool optionsEnded = false;  // after "--" every argument is an argument, not an option
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string_view argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != u'-') {
            return {Request::Unknown, UnknownMessage(u"无法识别的参数" + Quoted(argument) + u"。")};
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        if (argument == u"-h" || argument == u"--help") {
            help = true;
            continue;
        }
        if (argument == u"-v" || argument == u"--version") {
            version = true;
            continue;
        }
        if (argument == u"--status" || argument == u"--status=text") {
            status = Request::StatusText;
            continue;
        }
        if (argument == u"--status=json") {
            status = Request::StatusJson;
            continue;
        }
        if (argument == u"--check") {
            status = Request::Check;
            continue;
        }
        if (argument == u"--ics") {
            status = Request::Calendar;
            continue;
        }
        if (argument.starts_with(u"--status=")) {
            return {Request::Unknown,
                    UnknownMessage(u"选项“--status”的取值" + Quoted(argument.substr(9)) +
                                   u"无法识别，可用 text 或 json。")};
        }
        // Qt reads "--name" as "-name".
        const std::u16string_view name = argument.substr(argument.starts_with(u"--") ? 2 : 1);
        if (Contains(kQtFlags, name))
            continue;
        if (Contains(kQtOptionsWithValue, name)) {
            if (++i == arguments.size()) {
                return {Request::Unknown,
                        UnknownMessage(u"选项" + Quoted(argument) + u"缺少取值。")};
            }
            continue;
        }
        const std::size_t equals = name.find(u'=');
        if (equals != std::u16string_view::npos &&
            Contains(kQtOptionsWithJoinedValue, name.substr(0, equals))) {
            continue;
        }
        return {Request::Unknown, UnknownMessage(u"无法识别的选项" + Quoted(argument) + u"。")};
    }
    if (help)
        return {Request::Help, {}};
    if (version)
        return {Request::Version, {}};
    return {status, {}};
}

std::u16string UsageText() {
    return u"用法：quillot [选项]\n"
           u"不带选项时打开状态窗口，列出当前可参与的活动和 30 分钟内开启的活动。\n"
           u"\n"
           u"选项：\n"
           u"  -h, --help       显示本说明后退出\n"
           u"  -v, --version    显示版本后退出\n"
           u"  --status, --status=text\n"
           u"                   以文字输出状态窗口此刻显示的内容后退出\n"
           u"  --status=json    以一行 JSON 输出同样的内容（供 waybar 等状态栏使用）后退出\n"
           u"  --check          检查日程文件，逐行输出其中无法使用的内容后退出，\n"
           u"                   每行为“<文件>:<行号>: <问题>”；没有问题时不输出\n"
           u"  --ics            以 iCalendar 格式输出全部日程（供日历程序导入或订阅）后退出\n"
           u"\n"
           u"Qt 的窗口选项（如 -platform、-display、-style）照常用于状态窗口。\n"
           u"日程保存在 GM.ini 中：在程序所在的文件夹里，该文件夹不可写时在用户自己的\n"
           u"配置文件夹里。--status、--check 和 --ics 只读取它，从不创建或修改文件。\n"
           u"\n"
           u"退出状态：0 正常，1 日程文件无法创建或读取、--check 发现问题、或输出失败，\n"
           u"2 命令行有误。\n";
}

std::u16string VersionText(std::u16string_view version) {
    std::u16string text(kAppTitle);
    text.append(u" ").append(version).push_back(u'\n');
    return text;
}
