#pragma once

#include <string>

// Starting Fernzahl when the user logs in: an XDG autostart entry "fernzahl.desktop" in
// $XDG_CONFIG_HOME/autostart (~/.config/autostart). Its presence is the choice; there is no
// setting of its own.
class CAutostart {
public:
    // The folder from the environment.
    CAutostart();
    explicit CAutostart(std::string autostartDirectory) : m_directory(std::move(autostartDirectory)) {}

    std::string EntryPath() const { return m_directory + "/fernzahl.desktop"; }
    // An entry that the desktop has switched off (Hidden=true, X-GNOME-Autostart-enabled=false) is
    // not enabled; Disable then leaves it as it is.
    bool IsEnabled() const;
    // Writes the entry that starts the program at that path; false when it cannot be written.
    bool Enable(const std::string& programPath) const;
    // Removes the entry; an entry that is not there is no failure.
    bool Disable() const;

    // Whether the entry's text carries the desktop's switch-off.
    static bool IsSwitchedOff(const std::string& entry);
    // A path as one argument of a desktop entry's Exec key, quoted and escaped as that key wants.
    static std::string ExecArgument(const std::string& path);
    // The Exec key's value that starts the program at that path, whatever bytes the path holds.
    static std::string ExecLine(const std::string& path);

private:
    std::string m_directory;
};
