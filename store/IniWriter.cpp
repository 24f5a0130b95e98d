#include "store/IniWriter.h"

#include "platform/FileBytes.h"
#include "store/IniDocument.h"
#include "store/IniEdit.h"

std::error_code WriteIniValue(std::u16string_view section, std::u16string_view key,
                              std::optional<std::u16string_view> value,
                              const std::filesystem::path& file) {
    std::error_code error;
    std::optional<IniDocument> document = ReadIniDocument(file, error);
    if (error)
        return error;
    if (!document) {
        // A missing file is an empty one, except that removing from it creates nothing.
        if (!value)
            return {};
        document = ParseIniDocument({});
    }
    const std::optional<std::string> edited = EditIniDocument(*document, section, key, value);
    if (!edited)
        return {};
    return ReplaceFileAtomically(file, *edited);
}
