// The status texts for activities (options and fixed-offset zones included) and a moment taken
// from the input: no crash, each list is its header followed by lines numbered 1 to n, and options
// composed read back the same.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "schedule/ActivityEntries.h"
#include "schedule/ActivityOptions.h"
#include "schedule/StatusTexts.h"

namespace {

// A text as GM.ini can hold it: no line breaks.
std::u16string LineText(FuzzedDataProvider& data) {
    std::u16string text = ConsumeText(data, 48);
    std::erase_if(text, [](char16_t c) { return c == u'\r' || c == u'\n'; });
    return text;
}

void CheckNumbering(const std::u16string& list, std::u16string_view header,
                    std::u16string_view empty) {
    if (list == empty)
        return;
    Check(list.starts_with(header), "a list starts with its header");
    std::size_t number = 0;
    for (std::size_t at = list.find(u"\r\n"); at != std::u16string::npos;
         at = list.find(u"\r\n", at + 2)) {
        const std::string expected = std::to_string(++number) + ". ";
        Check(list.compare(at + 2, expected.size(),
                           std::u16string(expected.begin(), expected.end())) == 0,
              "the lines are numbered 1 to n");
    }
    Check(number > 0, "a list that is not empty has lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    using namespace std::chrono;
    LocalTime now;
    now.date = year_month_day{sys_days{days{data.ConsumeIntegralInRange(-30000, 80000)}}};
    now.hour = data.ConsumeIntegralInRange(0, 23);
    now.minute = data.ConsumeIntegralInRange(0, 59);
    now.utcOffset = minutes{data.ConsumeIntegralInRange(-14 * 60, 14 * 60)};
    const auto duration = data.ConsumeIntegral<std::int16_t>();
    std::vector<cTask> tasks;
    while (data.remaining_bytes() > 0 && tasks.size() < 32) {
        const ActivityKind kind =
            data.ConsumeBool() ? ActivityKind::FixedTimes : ActivityKind::TimeRanges;
        std::u16string name = LineText(data);
        std::u16string times = LineText(data);
        std::u16string weekdays = LineText(data);
        tasks.push_back(
            cTask{std::move(name), std::move(times), std::move(weekdays), kind, LineText(data)});
    }
    // Options read back from what ComposeActivityOptions writes of them are the same.
    for (const cTask& task : tasks) {
        const ActivityOptions options = ParseActivityOptions(task.options).options;
        Check(ParseActivityOptions(ComposeActivityOptions(options)).options == options,
              "composed options read back the same");
    }
    for (const cTask& task : tasks)
        FindEntryProblems(task);
    const StatusTexts texts = ComputeStatusTexts(tasks, duration, now);
    CheckNumbering(texts.now, u"*当前可参与*", u"当前可参与：无");
    CheckNumbering(texts.soon, u"*30分钟内开启*", u"30分钟内开启：无");
    return 0;
}
