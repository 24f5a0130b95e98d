#include "store/TaskLoader.h"

#include <unordered_set>

#include "schedule/ActivityValue.h"
#include "store/ScheduleFileLayout.h"
#include "store/ini/IniNames.h"
#include "text/TextTrim.h"

namespace {

// Adds one record per activity of the section, or a problem for each one it cannot load.
void LoadSection(const IniDocument& document, ActivityKind kind, std::vector<cTask>& allTasks,
                 std::vector<LoadProblem>& problems) {
    const std::u16string_view sectionName = SectionOf(kind);
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
        const ActivityValuePieces pieces = SplitActivityValue(entry.value);
        if (entry.value.empty()) {
            report(LoadProblem::Kind::EmptyValue);
        } else if (!pieces.separated) {
            report(LoadProblem::Kind::NoSeparator);
        } else {
            allTasks.push_back(cTask{entry.name, std::u16string(pieces.times),
                                     std::u16string(pieces.weekdays), kind,
                                     std::u16string(pieces.options)});
        }
    }
}

}  // namespace

std::vector<LoadProblem> LoadTasks(std::vector<cTask>& allTasks, const std::filesystem::path& file,
                                   std::error_code& error) {
    const std::optional<IniDocument> document = ReadIniDocument(file, error);
    if (!document) {
        allTasks.clear();
        return {};
    }
    return LoadTasks(allTasks, *document);
}

std::vector<LoadProblem> LoadTasks(std::vector<cTask>& allTasks, const IniDocument& document) {
    allTasks.clear();
    std::vector<LoadProblem> problems;
    LoadSection(document, ActivityKind::FixedTimes, allTasks, problems);
    LoadSection(document, ActivityKind::TimeRanges, allTasks, problems);
    return problems;
}
