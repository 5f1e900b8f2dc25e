#include "platform/Autostart.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

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

bool CAutostart::Enable(const std::string& programPath) const {
    std::error_code error;
    fs::create_directories(m_directory, error);
    const std::string temporary = EntryPath() + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "[Desktop Entry]\nType=Application\nName=Fernzahl\n"
            << "Comment=Meters the telephone charges of dial-up connections\n"
            << "Exec=" << ExecArgument(programPath) << "\nIcon=org.fernzahl.Fernzahl\nTerminal=false\n"
            << "X-GNOME-Autostart-enabled=true\n";
        if (!out.flush()) {
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, EntryPath(), error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

bool CAutostart::Disable() const {
    std::error_code error;
    fs::remove(EntryPath(), error);
    return !error;
}
