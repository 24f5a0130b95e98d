#include "store/ini/IniWriter.h"

#include <string>
#include <utility>

#include "platform/Files.h"
#include "store/ini/IniDocument.h"
#include "store/ini/IniEdit.h"

std::error_code WriteIniValues(std::span<const IniChange> changes,
                               const std::filesystem::path& file) {
    Outcome<std::optional<IniDocument>> read = ReadIniDocument(file);
    if (read.problem)
        return read.problem;
    std::optional<IniDocument>& document = read.value;
    // A missing file is an empty one, except that removing from it creates nothing.
    if (!document)
        document = ParseIniDocument({});
    // The bytes of the last change that edited the document; a later change edits them parsed.
    std::optional<std::string> edited;
    bool changed = false;
    for (const IniChange& change : changes) {
        if (edited)
            document = ParseIniDocument(*std::exchange(edited, std::nullopt));
        edited = EditIniDocument(*document, change.section, change.key, change.value);
        changed = changed || edited;
    }
    if (!changed)
        return {};
    return ReplaceFileAtomically(file, edited ? *edited : document->bytes);
}

std::error_code WriteIniValue(std::u16string_view section, std::u16string_view key,
                              std::optional<std::u16string_view> value,
                              const std::filesystem::path& file) {
    const IniChange change{section, key, value};
    return WriteIniValues({&change, 1}, file);
}
