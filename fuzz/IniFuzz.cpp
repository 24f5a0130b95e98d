// GM.ini made of the input's bytes: the activities and the duration are read, then a sequence of
// set and remove writes taken from the input is made. After each write:
// - the key reads back as written, or as absent after a remove (as the next line of the same name
//   when the section held it twice);
// - every other key of every section reads as before;
// - every line the write did not touch keeps its bytes. Removing a line between a lone CR and an
//   empty line makes that CR and the empty line's LF read as one CR LF; that case alone is allowed;
// - no temporary file is left beside GM.ini.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "platform/Files.h"
#include "schedule/ActivityValue.h"
#include "store/ScheduleFileLayout.h"
#include "store/ScheduleReading.h"
#include "store/ini/IniDocument.h"
#include "store/ini/IniNames.h"
#include "store/ini/IniReaders.h"
#include "store/ini/IniWriter.h"
#include "text/Cp936.h"
#include "text/TextTrim.h"

namespace {

namespace fs = std::filesystem;

// A folder of this process for GM.ini, in memory where the system has /dev/shm.
class Scratch {
  public:
    Scratch() {
        const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
        folder = base / ("quillot-ini-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~Scratch() {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    const fs::path& Folder() const { return folder; }
    fs::path Ini() const { return folder / "GM.ini"; }

  private:
    fs::path folder;
};

// Every section (the first of each name) with its keys and the values a look-up finds, by their
// names compared as the file compares them.
using Snapshot = std::map<std::u16string, std::map<std::u16string, std::u16string>>;

Snapshot Read(const fs::path& ini, const IniDocument& document) {
    Snapshot snapshot;
    for (const IniSection& section : document.sections) {
        const std::u16string name = FoldIniName(section.name);
        if (snapshot.contains(name))
            continue;
        auto& keys = snapshot[name];
        const Outcome<std::vector<IniKeyValue>> read = ReadIniKeys(section.name, ini);
        for (const IniKeyValue& key : read.value)
            keys.try_emplace(FoldIniName(key.name), key.value);
        Check(!read.problem, "the file can be read");
    }
    return snapshot;
}

// A name or value as the editor could write it: one line without the characters that would end
// the name, no blanks at either end, characters of code page 936 only.
std::u16string Writable(std::u16string text, char16_t ending = u'\r') {
    std::erase_if(text, [ending](char16_t c) {
        return c == u'\r' || c == u'\n' || c == u'\0' || c == ending;
    });
    for (char16_t& c : text) {
        if (!FitsCp936(std::u16string_view(&c, 1)))
            c = u'x';
    }
    return std::u16string(TrimWhere(
        text, [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\u3000'; }));
}

std::u16string SectionName(std::u16string text) {
    text = Writable(std::move(text), u']');
    return text.empty() ? u"s" : text;
}

std::u16string KeyName(std::u16string text) {
    text = Writable(std::move(text), u'=');
    if (text.empty() || text.front() == u';' || text.front() == u'[')
        text.insert(0, u"k");
    return text;
}

// A value reads back with one pair of outer quotes removed: such a value gets one more letter.
std::u16string Value(std::u16string text) {
    text = Writable(std::move(text));
    if (text.size() >= 2 && text.front() == text.back() &&
        (text.front() == u'"' || text.front() == u'\''))
        text += u'x';
    return text;
}

struct Write {
    std::u16string section;
    std::u16string key;
    std::optional<std::u16string> value;  // none: remove
};

Write NextWrite(FuzzedDataProvider& data, const IniDocument& document) {
    static const std::u16string kKnown[] = {std::u16string(kFixedSection),
                                            std::u16string(kRangeSection),
                                            std::u16string(kDurationSection)};
    Write write;
    const std::size_t pick = data.ConsumeIntegralInRange<std::size_t>(0, 4);
    if (pick < 3) {
        write.section = kKnown[pick];
    } else if (pick == 3 && !document.sections.empty()) {
        write.section = SectionName(
            document
                .sections[data.ConsumeIntegralInRange<std::size_t>(0, document.sections.size() - 1)]
                .name);
    } else {
        write.section = SectionName(ConsumeText(data, 24));
    }
    const IniSection* section = FindIniSection(document, write.section);
    if (section != nullptr && !section->keys.empty() && data.ConsumeBool()) {
        write.key = KeyName(
            section->keys[data.ConsumeIntegralInRange<std::size_t>(0, section->keys.size() - 1)]
                .name);
    } else {
        write.key = KeyName(ConsumeText(data, 24));
    }
    if (!data.ConsumeBool())
        write.value = Value(ConsumeText(data, 48));
    return write;
}

// What every section and key must read after the write.
Snapshot Expected(Snapshot snapshot, const IniDocument& before, const Write& write) {
    auto& keys = snapshot[FoldIniName(write.section)];
    const std::u16string key = FoldIniName(write.key);
    if (write.value) {
        keys[key] = *write.value;
        return snapshot;
    }
    keys.erase(key);
    if (const IniSection* section = FindIniSection(before, write.section)) {
        bool first = true;
        for (const IniKey& line : section->keys) {
            if (!IniNamesEqual(line.name, write.key))
                continue;
            if (!first) {
                keys[key] = line.value;
                break;
            }
            first = false;
        }
    }
    if (keys.empty() && FindIniSection(before, write.section) == nullptr)
        snapshot.erase(FoldIniName(write.section));
    return snapshot;
}

std::optional<std::u16string> ValueIn(const Snapshot& snapshot, std::u16string_view section,
                                      std::u16string_view key) {
    const auto keys = snapshot.find(FoldIniName(section));
    if (keys == snapshot.end())
        return std::nullopt;
    const auto value = keys->second.find(FoldIniName(key));
    if (value == keys->second.end())
        return std::nullopt;
    return value->second;
}

// The bytes for a report, printable ASCII as it is and every other byte as \xHH.
std::string Escaped(std::string_view bytes) {
    std::string text;
    for (const unsigned char byte : bytes) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", byte);
        text += byte >= 0x20 && byte < 0x7F && byte != '\\'
                    ? std::string(1, static_cast<char>(byte))
                    : hex;
    }
    return text;
}

std::vector<std::string_view> LineBytes(const IniDocument& document) {
    std::vector<std::string_view> lines;
    for (const IniLine& line : document.lines)
        lines.push_back(std::string_view(document.bytes).substr(line.begin, line.end - line.begin));
    return lines;
}

// Every line but the touched one is where it was with its bytes, around what the write added.
bool UntouchedLinesKept(const IniDocument& before, const IniDocument& after, const Write& write) {
    const std::size_t mark = before.lines.empty() ? before.bytes.size() : before.lines[0].begin;
    Check(after.bytes.compare(0, mark, before.bytes, 0, mark) == 0, "the byte order mark stays");
    const std::vector<std::string_view> old = LineBytes(before);
    const std::vector<std::string_view> now = LineBytes(after);
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::vector<std::string_view> gone(old.begin() + prefix, old.end() - suffix);
    const std::vector<std::string_view> added(now.begin() + prefix, now.end() - suffix);
    if (gone.empty())
        return true;

    std::string_view touched;
    if (const IniSection* section = FindIniSection(before, write.section)) {
        if (const IniKey* line = FindIniKey(*section, write.key))
            touched = old[line->line];
    }
    if (gone.size() == 1 && gone[0] == touched)
        return true;
    // A last line without a line end gets one before what follows it. In a UTF-16 file that ends
    // in an odd byte, that byte stays last, so that the new units stay aligned.
    if (gone.size() == 1 && prefix + 1 == old.size() && !before.lines.back().hasLineEnd() &&
        !added.empty()) {
        const std::size_t odd = before.bytes.size() % CodeUnitSize(before.encoding);
        const std::string_view kept = gone[0].substr(0, gone[0].size() - odd);
        if (added[0].starts_with(kept) && after.bytes.ends_with(gone[0].substr(kept.size())))
            return true;
    }
    // The one allowed case: a lone CR, the removed line, an empty line ending in LF.
    if (!write.value && gone.size() == 3 && gone[1] == touched && added.size() == 1) {
        const IniLine& cr = before.lines[prefix];
        const IniLine& empty = before.lines[prefix + 2];
        const bool loneCr = cr.end - cr.textEnd == CodeUnitSize(before.encoding);
        if (loneCr && empty.textEnd == empty.begin &&
            std::string(gone[0]) + std::string(gone[2]) == added[0]) {
            return true;
        }
    }
    return false;
}

// The first section or key that reads otherwise than expected.
void PrintDifference(const Snapshot& expected, const Snapshot& found) {
    for (const Snapshot* one : {&expected, &found}) {
        const Snapshot& other = one == &expected ? found : expected;
        for (const auto& [section, keys] : *one) {
            const auto otherKeys = other.find(section);
            for (const auto& [key, value] : keys) {
                if (otherKeys == other.end() || !otherKeys->second.contains(key) ||
                    otherKeys->second.at(key) != value) {
                    std::fprintf(stderr, "%s: [%s] %s = %s\n",
                                 one == &expected ? "expected" : "found",
                                 EncodeUtf8(section).c_str(), EncodeUtf8(key).c_str(),
                                 EncodeUtf8(value).c_str());
                    return;
                }
            }
            if (otherKeys == other.end()) {
                std::fprintf(stderr, "only %s: [%s]\n", one == &expected ? "expected" : "found",
                             EncodeUtf8(section).c_str());
                return;
            }
        }
    }
}

// What went wrong, with the write and the file before and after it.
void Fail(const char* what, const Write& write, const IniDocument& before,
          const IniDocument& after) {
    std::fprintf(stderr, "write: [%s] %s = %s\nbefore: %s\nafter:  %s\n",
                 EncodeUtf8(write.section).c_str(), EncodeUtf8(write.key).c_str(),
                 write.value ? EncodeUtf8(*write.value).c_str() : "(remove)",
                 Escaped(before.bytes).c_str(), Escaped(after.bytes).c_str());
    Check(false, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const Scratch scratch;
    const fs::path ini = scratch.Ini();
    FuzzedDataProvider data(bytes, size);
    Check(!ReplaceFileAtomically(ini, data.ConsumeRandomLengthString(4096)), "GM.ini is written");

    const Outcome<std::optional<IniDocument>> read = ReadIniDocument(ini);
    Check(read.value && !read.problem, "GM.ini is read");
    ReadStartupSchedule(*read.value, nullptr);

    IniDocument before = ParseIniDocument(ReadFileBytes(ini).value);
    for (int writes = 0; writes < 8 && data.remaining_bytes() > 0; ++writes) {
        const Write write = NextWrite(data, before);
        const Snapshot expected = Expected(Read(ini, before), before, write);
        Check(!WriteIniValue(write.section, write.key, write.value, ini), "the write succeeds");

        const Outcome<std::string> written = ReadFileBytes(ini);
        Check(!written.problem, "GM.ini is read after the write");
        IniDocument after = ParseIniDocument(written.value);
        if (ReadIniValue(write.section, write.key, after) !=
            ValueIn(expected, write.section, write.key)) {
            Fail("the key reads back as written, or as absent after a remove", write, before,
                 after);
        }
        if (const Snapshot found = Read(ini, after); found != expected) {
            PrintDifference(expected, found);
            Fail("every other key reads as before", write, before, after);
        }
        if (!UntouchedLinesKept(before, after, write))
            Fail("a line the write did not touch keeps its bytes", write, before, after);
        if (std::distance(fs::directory_iterator(scratch.Folder()), {}) != 1)
            Fail("no temporary file is left", write, before, after);
        before = std::move(after);
    }
    return 0;
}
