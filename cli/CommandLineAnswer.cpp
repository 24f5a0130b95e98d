#include "cli/CommandLineAnswer.h"

#include "cli/CommandLine.h"
#include "cli/ScheduleSnapshot.h"
#include "cli/StatusOutput.h"
#include "platform/Process.h"
#include "status/SystemClock.h"
#include "store/StartupMessage.h"
#include "store/ini/IniLocation.h"

namespace {

constexpr int kAnswered = 0;
constexpr int kFailed = 1;
constexpr int kUnknown = 2;

int Print(std::u16string_view text) {
    return WriteConsoleText(ConsoleStream::Output, text) ? kFailed : kAnswered;
}

// The status as the window would show it now, from the GM.ini it would use, or what the window
// would say of that file.
int PrintStatus(bool json, const TimeZones& zones) {
    const IniLocation location = PreviewIniPath(ExecutablePath());
    const LocalTime now = SystemLocalTime();
    const Outcome<ScheduleSnapshot, FileProblem> schedule = ReadScheduleSnapshot(location, now);
    if (schedule.problem) {
        WriteConsoleText(ConsoleStream::Error,
                         DescribeFileProblem(location.file, schedule.problem) + u"\n");
        return kFailed;
    }
    const StatusTexts texts =
        ComputeStatusTexts(schedule.value.tasks, schedule.value.durationMinutes, now, {&zones, {}});
    return Print(json ? StatusAsJson(texts) : StatusAsText(texts));
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, const TimeZones& zones) {
    const CommandLine line = ParseCommandLine(CommandLineArguments(argc, argv));
    switch (line.request) {
        case CommandLine::Request::Window:
            return std::nullopt;
        case CommandLine::Request::Help:
            return Print(UsageText());
        case CommandLine::Request::Version:
            return Print(VersionText(u"" QUILLOT_VERSION));
        case CommandLine::Request::StatusText:
            return PrintStatus(false, zones);
        case CommandLine::Request::StatusJson:
            return PrintStatus(true, zones);
        case CommandLine::Request::Unknown:
            break;
    }
    WriteConsoleText(ConsoleStream::Error, line.message);
    return kUnknown;
}
