#include "platform/LoginStart.h"

#include <string>
#include <string_view>

#include "platform/FileBytes.h"
#include "platform/Utf8Text.h"
#include "platform/XdgConfigFolder_posix.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kGroup = "[Desktop Entry]";

fs::path AutostartFile() {
    const fs::path config = XdgConfigFolder();
    return config.empty() ? fs::path() : config / "autostart" / "org.quillot.Quillot.desktop";
}

// The program as the one argument of Exec: quoted, with the characters that stay special inside
// quotes escaped, "%" doubled as field codes require, and then the escapes of every string value.
std::string ExecValue(const std::string& program) {
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
        if (c == '%')
            quoted += '%';
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        switch (c) {
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += "\\t";
                break;
            case '\r':
                value += "\\r";
                break;
            default:
                value += c;
        }
    }
    return value;
}

// The program that an Exec value starts: its first argument, read back by the rules above.
std::string ExecProgram(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        switch (value[++i]) {
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 'r':
                text += '\r';
                break;
            case 's':
                text += ' ';
                break;
            default:
                text += value[i];
        }
    }
    std::string program;
    const bool quoted = !text.empty() && text[0] == '"';
    for (std::size_t i = quoted ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted ? c == '"' : c == ' ')
            break;
        if (quoted && c == '\\' && i + 1 < text.size())
            program += text[++i];
        else if (c == '%' && i + 1 < text.size() && text[i + 1] == '%')
            program += text[i++];
        else
            program += c;
    }
    return program;
}

// The values of Exec and Hidden in the file's main group.
struct EntryKeys {
    std::string exec;
    bool hidden = false;
};

EntryKeys ReadEntryKeys(std::string_view bytes) {
    EntryKeys keys;
    bool inGroup = false;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && line[0] == '[') {
            inGroup = line == kGroup;
        } else if (inGroup && line.starts_with("Exec=")) {
            keys.exec = line.substr(5);
        } else if (inGroup && line.starts_with("Hidden=")) {
            keys.hidden = line.substr(7) == "true";
        }
    }
    return keys;
}

}  // namespace

bool StartsAtLogin(const fs::path& executable) {
    std::error_code error;
    const std::optional<std::string> bytes = ReadFileBytes(AutostartFile(), error);
    if (!bytes)
        return false;
    const EntryKeys keys = ReadEntryKeys(*bytes);
    return !keys.hidden && ExecProgram(keys.exec) == executable.native();
}

std::error_code SetStartAtLogin(const fs::path& executable, bool on) {
    const fs::path file = AutostartFile();
    if (file.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    std::error_code error;
    if (!on) {
        fs::remove(file, error);
        return error;
    }
    // A desktop entry is UTF-8 throughout.
    const std::string& program = executable.native();
    if (EncodeUtf8(DecodeUtf8(program)) != program)
        return std::make_error_code(std::errc::illegal_byte_sequence);
    fs::create_directories(file.parent_path(), error);
    if (error)
        return error;
    std::string entry(kGroup);
    entry +=
        "\nType=Application\nName=Quillot\nName[zh_CN]=Quillot 定时活动提醒\n"
        "Comment=Shows which recurring activities are open now and which open within 30 "
        "minutes\nComment[zh_CN]=显示当前可参与的定时活动和 30 分钟内开启的活动\n"
        "Icon=org.quillot.Quillot\nTerminal=false\nX-GNOME-Autostart-enabled=true\nExec=";
    entry += ExecValue(program);
    entry += '\n';
    return ReplaceFileAtomically(file, entry);
}
