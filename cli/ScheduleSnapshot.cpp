#include "cli/ScheduleSnapshot.h"

#include <utility>

#include "platform/Files.h"
#include "store/DefaultIni.h"
#include "store/ScheduleReading.h"
#include "store/TaskLoader.h"
#include "text/Cp936.h"

Outcome<IniDocument, FileProblem> ReadStartupDocument(const IniLocation& location,
                                                      const LocalTime& now) {
    if (location.folderError)
        return {{}, {FileProblem::Kind::FolderNotCreated, location.folderError}};
    if (IsRegularFile(location.file)) {
        Outcome<std::optional<IniDocument>> read = ReadIniDocument(location.file);
        if (read.problem)
            return {{}, {FileProblem::Kind::NotRead, read.problem}};
        if (read.value)
            return {*std::move(read.value), {}};
    } else {
        // The start-up writes the default file over anything that is no ordinary file, into the
        // user's own folder after it has created that (PreviewIniPath tells whether it can).
        std::error_code ignored;
        if (std::filesystem::is_directory(location.file.parent_path(), ignored)) {
            if (const std::error_code error = CheckFileReplaceable(location.file))
                return {{}, {FileProblem::Kind::NotCreated, error}};
        }
    }
    return {ParseIniDocument(EncodeCp936(DefaultIniText(now))), {}};
}

Outcome<ScheduleSnapshot, FileProblem> ReadScheduleSnapshot(const IniLocation& location,
                                                            const LocalTime& now,
                                                            const TimeZones& zones) {
    Outcome<IniDocument, FileProblem> document = ReadStartupDocument(location, now);
    if (document.problem)
        return {{}, document.problem};
    // What the status needs, without looking for what a start-up would tell.
    return {{LoadTasks(document.value).value, ReadDuration(document.value).minutes,
             ReadDefaultZone(document.value, &zones), ReadWarningLeads(document.value)},
            {}};
}
