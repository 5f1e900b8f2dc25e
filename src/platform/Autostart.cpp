#include "platform/Autostart.h"

#include "core/FileLayer.h"
#include "core/TextEncoding.h"

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
    std::error_code error;
    return fs::exists(EntryPath(), error);
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
    if (IsValidUtf8(path) && std::none_of(path.begin(), path.end(), IsControlByte)) {
        return ExecArgument(path);
    }
    // A desktop entry is UTF-8 text: the path's other bytes reach the program through the shell's
    // printf, written as octal escapes.
    std::string escaped;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || IsControlByte(c) || c == '\\' || c == '\'') {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\0%03o", byte);
            escaped += octal;
        } else {
            escaped += c;
        }
    }
    return "sh -c " + ExecArgument("exec \"$(printf '%b' '" + escaped + "')\"");
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
