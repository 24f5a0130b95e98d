#include "store/IniWriter.h"

#include "platform/FileBytes.h"
#include "store/IniDocument.h"
#include "store/IniEdit.h"

std::error_code WriteIniValues(std::span<const IniChange> changes,
                               const std::filesystem::path& file) {
    std::error_code error;
    std::optional<IniDocument> document = ReadIniDocument(file, error);
    if (error)
        return error;
    // A missing file is an empty one, except that removing from it creates nothing.
    if (!document)
        document = ParseIniDocument({});
    bool changed = false;
    for (const IniChange& change : changes) {
        if (std::optional<std::string> edited =
                EditIniDocument(*document, change.section, change.key, change.value)) {
            document = ParseIniDocument(*std::move(edited));
            changed = true;
        }
    }
    if (!changed)
        return {};
    return ReplaceFileAtomically(file, document->bytes);
}

std::error_code WriteIniValue(std::u16string_view section, std::u16string_view key,
                              std::optional<std::u16string_view> value,
                              const std::filesystem::path& file) {
    const IniChange change{section, key, value};
    return WriteIniValues({&change, 1}, file);
}
