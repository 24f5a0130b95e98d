#include "cli/StatusOutput.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// The lines of a list text, whose lines are separated by CR LF.
std::vector<std::u16string_view> LinesOf(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(kLineBreak, start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::u16string_view::npos)
            return lines;
        start = end + kLineBreak.size();
    }
}

// The first line of a list after its header, without its number "1. ".
std::u16string FirstLineWithoutNumber(std::u16string_view list) {
    const std::u16string_view line = LinesOf(list).at(1);
    return std::u16string(line.substr(line.find(u". ") + 2));
}

// The characters JSON has to escape: the quote, the backslash and the control characters.
bool NeedsJsonEscape(char16_t c) {
    return c < 0x20 || c == u'"' || c == u'\\';
}

// The text as it goes between the quotes of a JSON string.
void AppendJsonEscaped(std::u16string& json, std::u16string_view text) {
    // The characters JSON escapes with one letter, and those letters.
    constexpr std::u16string_view kShortEscaped = u"\"\\\b\f\n\r\t";
    constexpr std::u16string_view kShortEscapes = u"\"\\bfnrt";
    constexpr std::u16string_view kHexDigits = u"0123456789abcdef";
    for (std::size_t start = 0;;) {
        // Everything up to the next character to escape goes in at once.
        std::size_t end = start;
        while (end < text.size() && !NeedsJsonEscape(text[end]))
            ++end;
        json.append(text.substr(start, end - start));
        if (end == text.size())
            return;
        const char16_t c = text[end];
        if (const std::size_t escape = kShortEscaped.find(c); escape != std::u16string_view::npos) {
            json.push_back(u'\\');
            json.push_back(kShortEscapes[escape]);
        } else {
            json += u"\\u00";
            json.push_back(kHexDigits[c >> 4]);
            json.push_back(kHexDigits[c & 0xF]);
        }
        start = end + 1;
    }
}

void AppendJsonString(std::u16string& json, std::u16string_view text) {
    json.push_back(u'"');
    AppendJsonEscaped(json, text);
    json.push_back(u'"');
}

void AppendJsonEntries(std::u16string& json, const std::vector<OpenEntry>& entries) {
    json.push_back(u'[');
    for (const OpenEntry& entry : entries) {
        if (&entry != &entries.front())
            json.push_back(u',');
        json += u"{\"name\":";
        AppendJsonString(json, entry.name);
        json += u",\"time\":";
        AppendJsonString(json, entry.displayText);
        json.push_back(u'}');
    }
    json.push_back(u']');
}

}  // namespace

std::u16string StatusAsText(const StatusTexts& texts) {
    std::u16string text;
    text.reserve(texts.now.size() + texts.soon.size() + 1);
    for (const std::u16string_view list : {texts.now, texts.soon}) {
        for (const std::u16string_view line : LinesOf(list))
            text.append(line).push_back(u'\n');
    }
    return text;
}

std::u16string StatusAsJson(const StatusTexts& texts) {
    std::u16string json;
    // Room for the usual case: the tooltip, the text, and the entries' names and times once more
    // with the punctuation around each.
    json.reserve(2 * (texts.now.size() + texts.soon.size()) +
                 24 * (texts.open.size() + texts.opening.size()) + 64);
    json += u"{\"text\":";
    if (!texts.open.empty()) {
        AppendJsonString(json, FirstLineWithoutNumber(texts.now));
    } else if (!texts.opening.empty()) {
        AppendJsonString(json, FirstLineWithoutNumber(texts.soon));
    } else {
        json += u"\"\"";
    }
    // The lines of StatusAsText, written straight into the JSON.
    json += u",\"tooltip\":\"";
    std::u16string_view separator;
    for (const std::u16string_view list : {texts.now, texts.soon}) {
        for (const std::u16string_view line : LinesOf(list)) {
            json.append(separator);
            AppendJsonEscaped(json, line);
            separator = u"\\n";
        }
    }
    json += u"\",\"class\":";
    json += !texts.open.empty() ? u"\"open\"" : !texts.opening.empty() ? u"\"soon\"" : u"\"idle\"";
    json += u",\"open\":";
    AppendJsonEntries(json, texts.open);
    json += u",\"soon\":";
    AppendJsonEntries(json, texts.opening);
    json += u"}\n";
    return json;
}
