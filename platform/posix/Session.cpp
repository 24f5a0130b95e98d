#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AppIdentity.h"
#include "platform/Files.h"
#include "platform/Session.h"
#include "text/Utf8Text.h"

namespace fs = std::filesystem;

namespace {

// An absolute path from the environment, or empty.
fs::path AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/')
        return {};
    return fs::path(value);
}

fs::path HomeFolder() {
    if (fs::path home = AbsoluteFromEnvironment("HOME"); !home.empty())
        return home;
    std::vector<char> buffer(16384);
    passwd account{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &account, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return {};
    }
    return fs::path(found->pw_dir);
}

// $XDG_CONFIG_HOME, or ~/.config when that variable is unset, empty or not absolute. Empty when
// neither the variable nor a home folder is known.
fs::path XdgConfigFolder() {
    if (fs::path config = AbsoluteFromEnvironment("XDG_CONFIG_HOME"); !config.empty())
        return config;
    const fs::path home = HomeFolder();
    return home.empty() ? fs::path() : home / ".config";
}

}  // namespace

fs::path UserFolder() {
    const fs::path config = XdgConfigFolder();
    return config.empty() ? fs::path() : config / "quillot";
}

std::tm LocalCalendarTime(std::time_t moment) {
    std::tm parts{};
    localtime_r(&moment, &parts);
    return parts;
}

namespace {

constexpr std::string_view kGroup = "[Desktop Entry]";

// The installed desktop entry, data/org.quillot.Quillot.desktop, as the build read it.
constexpr std::string_view kDesktopEntry =
#include "platform/DesktopEntryText.inc"
    ;

fs::path AutostartFile() {
    const fs::path config = XdgConfigFolder();
    return config.empty() ? fs::path()
                          : config / "autostart" / (std::u16string(kAppId) + u".desktop");
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

// Calls visit with each line of the text, without its line end (LF or CR LF).
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        visit(line);
    }
}

// The autostart entry: the desktop entry, starting the program, with GNOME's autostart switch on.
std::string AutostartText(const std::string& program) {
    std::string text;
    ForEachLine(kDesktopEntry, [&](std::string_view line) {
        if (line.starts_with("Exec=")) {
            text.append("Exec=").append(ExecValue(program)).append("\n");
            text.append("X-GNOME-Autostart-enabled=true\n");
        } else {
            text.append(line).append("\n");
        }
    });
    return text;
}

// The values of Exec and Hidden in the file's main group.
struct AutostartKeys {
    std::string exec;
    bool hidden = false;
};

AutostartKeys ReadAutostartKeys(std::string_view bytes) {
    AutostartKeys keys;
    bool inGroup = false;
    ForEachLine(bytes, [&](std::string_view line) {
        if (!line.empty() && line[0] == '[') {
            inGroup = line == kGroup;
        } else if (inGroup && line.starts_with("Exec=")) {
            keys.exec = line.substr(5);
        } else if (inGroup && line.starts_with("Hidden=")) {
            keys.hidden = line.substr(7) == "true";
        }
    });
    return keys;
}

}  // namespace

bool StartsAtLogin(const fs::path& executable) {
    const Outcome<std::string> read = ReadFileBytes(AutostartFile());
    if (read.problem)
        return false;
    const AutostartKeys keys = ReadAutostartKeys(read.value);
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
    return ReplaceFileAtomically(file, AutostartText(program));
}
