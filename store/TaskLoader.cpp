#include "store/TaskLoader.h"

#include <unordered_set>

#include "schedule/ActivityValue.h"
#include "store/ScheduleFileLayout.h"
#include "store/ini/IniNames.h"
#include "text/TextTrim.h"

namespace {

// Adds one record per activity of the section, or a problem for each one it cannot load.
void LoadSection(const IniDocument& document, ActivityKind kind,
                 Outcome<std::vector<cTask>, std::vector<LoadProblem>>& loaded) {
    const std::u16string_view sectionName = SectionOf(kind);
    const IniSection* section = FindIniSection(document, sectionName);
    if (section == nullptr)
        return;
    std::unordered_set<std::u16string> names;
    names.reserve(section->keys.size());
    for (const IniKey& key : section->keys) {
        if (IsBlank(key.name))
            continue;
        const auto skip = [&](LoadProblem::Kind kind) {
            loaded.problem.push_back(LoadProblem{kind, std::u16string(sectionName), key.name});
        };
        if (!names.insert(FoldIniName(key.name)).second) {
            skip(LoadProblem::Kind::DuplicateName);
            continue;
        }
        const ActivityValuePieces pieces = SplitActivityValue(key.value);
        if (key.value.empty()) {
            skip(LoadProblem::Kind::EmptyValue);
        } else if (!pieces.separated) {
            skip(LoadProblem::Kind::NoSeparator);
        } else {
            loaded.value.push_back(cTask{key.name, std::u16string(pieces.times),
                                         std::u16string(pieces.weekdays), kind,
                                         std::u16string(pieces.options)});
        }
    }
}

}  // namespace

Outcome<std::vector<cTask>, std::vector<LoadProblem>> LoadTasks(const IniDocument& document) {
    Outcome<std::vector<cTask>, std::vector<LoadProblem>> allTasks;
    LoadSection(document, ActivityKind::FixedTimes, allTasks);
    LoadSection(document, ActivityKind::TimeRanges, allTasks);
    return allTasks;
}
