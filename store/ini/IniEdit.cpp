#include "store/ini/IniEdit.h"

#include "store/ini/IniNames.h"

namespace {

class Splice {
  public:
    explicit Splice(const IniDocument& document) : document(document) {}

    std::string Encode(std::u16string_view text) const {
        return EncodeIniText(text, document.encoding);
    }

    std::string LineEnd() const { return Encode(u"\r\n"); }

    // The bytes with [begin, end) replaced by the insertion.
    std::string Replace(std::size_t begin, std::size_t end, std::string_view insertion) const {
        std::string result;
        result.reserve(document.bytes.size() + insertion.size());
        result.append(document.bytes, 0, begin);
        result.append(insertion);
        result.append(document.bytes, end);
        return result;
    }

    // A new line after the given one, which gets a line end first if it has none.
    std::string InsertAfter(std::size_t lineIndex, std::u16string_view text) const {
        const IniLine& line = document.lines[lineIndex];
        if (!line.hasLineEnd())
            return AppendBytes(Encode(text) + LineEnd());
        return Replace(line.end, line.end, Encode(text) + LineEnd());
    }

    // New lines at the end of the file, after a line end when the file does not end with one.
    std::string Append(std::u16string_view text) const { return AppendBytes(Encode(text)); }

  private:
    std::string AppendBytes(std::string_view encoded) const {
        // A file of only a byte order mark counts as text without a line end.
        const bool needsLineEnd =
            document.lines.empty() ? !document.bytes.empty() : !document.lines.back().hasLineEnd();
        const std::string insertion =
            (needsLineEnd ? LineEnd() : std::string()) + std::string(encoded);
        // A UTF-16 file cut after an odd byte keeps that byte last, so the new units stay aligned.
        const std::size_t end =
            document.bytes.size() - document.bytes.size() % CodeUnitSize(document.encoding);
        return Replace(end, end, insertion);
    }

    const IniDocument& document;
};

std::u16string KeyLine(std::u16string_view key, std::u16string_view value) {
    std::u16string line(key);
    line += u'=';
    line += value;
    return line;
}

std::string SetValue(const IniDocument& document, std::u16string_view sectionName,
                     std::u16string_view keyName, std::u16string_view value) {
    const Splice splice(document);
    const IniSection* section = FindIniSection(document, sectionName);
    if (section == nullptr) {
        std::u16string lines(u"[");
        lines.append(TrimIniArgument(sectionName)).append(u"]\r\n");
        lines.append(KeyLine(TrimIniArgument(keyName), value)).append(u"\r\n");
        return splice.Append(lines);
    }
    if (const IniKey* key = FindIniKey(*section, keyName)) {
        // The line keeps its line end; the last line gets one when it has none.
        const IniLine& line = document.lines[key->line];
        std::string rewritten = splice.Encode(KeyLine(key->name, value));
        if (!line.hasLineEnd())
            rewritten += splice.LineEnd();
        return splice.Replace(line.begin, line.textEnd, rewritten);
    }
    const std::size_t after =
        section->keys.empty() ? section->headerLine : section->keys.back().line;
    return splice.InsertAfter(after, KeyLine(TrimIniArgument(keyName), value));
}

std::optional<std::string> RemoveKey(const IniDocument& document, std::u16string_view sectionName,
                                     std::u16string_view keyName) {
    const IniSection* section = FindIniSection(document, sectionName);
    const IniKey* key = section ? FindIniKey(*section, keyName) : nullptr;
    if (key == nullptr)
        return std::nullopt;
    const IniLine& line = document.lines[key->line];
    return Splice(document).Replace(line.begin, line.end, {});
}

}  // namespace

std::optional<std::string> EditIniDocument(const IniDocument& document, std::u16string_view section,
                                           std::u16string_view key,
                                           std::optional<std::u16string_view> value) {
    std::optional<std::string> edited =
        value ? SetValue(document, section, key, *value) : RemoveKey(document, section, key);
    if (edited && *edited == document.bytes)
        return std::nullopt;
    return edited;
}
