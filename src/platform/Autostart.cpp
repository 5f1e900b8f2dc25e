#include "platform/Autostart.h"

#include "core/FileDescriptor.h"
#include "core/FileLayer.h"
#include "core/TextEncoding.h"
#include "core/TextLines.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
std::string ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && *xdg == '/') {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config";
}
} // namespace

CAutostart::CAutostart() : m_directory(ConfigHome() + "/autostart") {}

bool CAutostart::IsEnabled() const {
    std::string entry;
    return ReadWholeFile(EntryPath(), entry) && !IsSwitchedOff(entry);
}

bool CAutostart::IsSwitchedOff(const std::string& entry) {
    bool inEntryGroup = false;
    for (const std::string_view line : ContentLines(entry)) {
        if (line.starts_with('[')) {
            inEntryGroup = line == "[Desktop Entry]";
            continue;
        }
        const size_t equals = line.find('=');
        if (!inEntryGroup || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        const std::string_view value = TrimBlanks(line.substr(equals + 1));
        if ((key == "Hidden" && (value == "true" || value == "1")) ||
            (key == "X-GNOME-Autostart-enabled" && (value == "false" || value == "0"))) {
            return true;
        }
    }
    return false;
}

std::string CAutostart::ExecArgument(const std::string& path) {
    // Inside double quotes, " ` $ and \ take a backslash; the key's own string escaping then
    // doubles every backslash, and a field code's % must be written %%.
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$') {
            quoted += "\\\\";
        } else if (c == '\\') {
            quoted += "\\\\\\";
        } else if (c == '%') {
            quoted += '%';
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string CAutostart::ExecLine(const std::string& path) {
    // GLib looks for the program named first before it expands a field code: a path with a '%'
    // can only be an argument.
    if (IsValidUtf8(path) && std::none_of(path.begin(), path.end(), IsControlByte) &&
        path.find('%') == std::string::npos) {
        return ExecArgument(path);
    }
    // A desktop entry is UTF-8 text: the path's other bytes reach the program through the shell's
    // printf, written as octal escapes. "$(...)" drops trailing newlines, so a dot follows the
    // path and is cut off after.
    std::string escaped;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || IsControlByte(c) || c == '\\' || c == '\'' || c == '%') {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\0%03o", byte);
            escaped += octal;
        } else {
            escaped += c;
        }
    }
    return "sh -c " + ExecArgument("p=\"$(printf '%b.' '" + escaped + "')\"; exec \"${p%.}\"");
}

bool CAutostart::Enable(const std::string& programPath) const {
    if (programPath.empty()) {
        return false; // an entry that starts nothing would only look like a success
    }
    std::error_code error;
    fs::create_directories(m_directory, error);
    return CFileLayer::Replace(EntryPath(), "[Desktop Entry]\nType=Application\nName=Fernzahl\n"
                                            "Comment=Meters the telephone charges of dial-up connections\n"
                                            "Exec=" +
                                                ExecLine(programPath) +
                                                "\nIcon=org.fernzahl.Fernzahl\nTerminal=false\n"
                                                "X-GNOME-Autostart-enabled=true\n");
}

bool CAutostart::Disable() const {
    return !IsEnabled() || (CFileLayer::Remove(EntryPath()) && CFileLayer::FlushDirectoryOf(EntryPath()));
}
