#include "cli/ScheduleSnapshot.h"

#include <optional>
#include <string>

#include "platform/Files.h"
#include "store/DefaultIni.h"
#include "store/ScheduleReading.h"
#include "text/Cp936.h"

ScheduleSnapshot ReadScheduleSnapshot(const IniLocation& location, const LocalTime& now,
                                      FileProblem& problem) {
    ScheduleSnapshot snapshot;
    problem = {};
    if (location.folderError) {
        problem = {FileProblem::Kind::FolderNotCreated, location.folderError};
        return snapshot;
    }
    std::error_code error;
    std::optional<IniDocument> document;
    if (IsRegularFile(location.file)) {
        document = ReadIniDocument(location.file, error);
        if (error) {
            problem = {FileProblem::Kind::NotRead, error};
            return snapshot;
        }
    } else {
        // The start-up writes the default file over anything that is no ordinary file, into the
        // user's own folder after it has created that (PreviewIniPath tells whether it can).
        std::error_code ignored;
        if (std::filesystem::is_directory(location.file.parent_path(), ignored))
            error = CheckFileReplaceable(location.file);
        if (error) {
            problem = {FileProblem::Kind::NotCreated, error};
            return snapshot;
        }
    }
    if (!document)
        document = ParseIniDocument(EncodeCp936(DefaultIniText(now)));
    // What the status needs, without looking for what a start-up would report.
    LoadTasks(snapshot.tasks, *document);
    snapshot.durationMinutes = ReadDuration(*document).minutes;
    return snapshot;
}
