#include "store/TaskLoader.h"

#include <unordered_set>

#include "schedule/TextTrim.h"
#include "store/IniDocument.h"
#include "store/IniNames.h"
#include "store/ScheduleKeys.h"

namespace {

// Adds one record per activity of the section, or a problem for each one it cannot load.
void LoadSection(const IniDocument& document, std::u16string_view sectionName, bool fixedTimes,
                 std::vector<cTask>& allTasks, std::vector<LoadProblem>& problems) {
    const IniSection* section = FindIniSection(document, sectionName);
    if (section == nullptr)
        return;
    std::unordered_set<std::u16string> loaded;
    loaded.reserve(section->entries.size());
    for (const IniEntry& entry : section->entries) {
        if (IsBlank(entry.name))
            continue;
        const auto report = [&](LoadProblem::Kind kind) {
            problems.push_back(LoadProblem{kind, std::u16string(sectionName), entry.name});
        };
        if (!loaded.insert(FoldIniName(entry.name)).second) {
            report(LoadProblem::Kind::DuplicateName);
            continue;
        }
        const std::u16string_view value = entry.value;
        const std::size_t bar = value.find(u'|');
        if (value.empty()) {
            report(LoadProblem::Kind::EmptyValue);
        } else if (bar == std::u16string_view::npos) {
            report(LoadProblem::Kind::NoSeparator);
        } else {
            const std::u16string_view weekdays = value.substr(bar + 1);
            allTasks.push_back(cTask{entry.name, std::u16string(value.substr(0, bar)),
                                     std::u16string(weekdays.substr(0, weekdays.find(u'|'))),
                                     fixedTimes});
        }
    }
}

}  // namespace

std::vector<LoadProblem> LoadTasks(std::vector<cTask>& allTasks, const std::filesystem::path& file,
                                   std::error_code& error) {
    allTasks.clear();
    std::vector<LoadProblem> problems;
    const std::optional<IniDocument> document = ReadIniDocument(file, error);
    if (!document)
        return problems;
    LoadSection(*document, kFixedSection, true, allTasks, problems);
    LoadSection(*document, kRangeSection, false, allTasks, problems);
    return problems;
}
