#include "store/ScheduleSnapshot.h"

#include <optional>
#include <string>

#include "platform/Cp936.h"
#include "store/DefaultIni.h"
#include "store/ScheduleFileLayout.h"

DurationSetting ReadDuration(const IniDocument& document) {
    const IniSection* section = FindIniSection(document, kDurationSection);
    const IniEntry* entry = section ? FindIniEntry(*section, kDurationKey) : nullptr;
    return InterpretDuration(entry ? std::optional<std::u16string>(entry->value) : std::nullopt);
}

ScheduleSnapshot ReadScheduleSnapshot(const std::filesystem::path& file, const LocalTime& now,
                                      std::error_code& error) {
    std::optional<IniDocument> document = ReadIniDocument(file, error);
    ScheduleSnapshot snapshot;
    if (error)
        return snapshot;
    if (!document)
        document = ParseIniDocument(EncodeCp936(DefaultIniText(now)));
    LoadTasks(snapshot.tasks, *document);
    snapshot.durationMinutes = ReadDuration(*document).minutes;
    return snapshot;
}
