#include "platform/PppLinks.h"

#include "core/FileDescriptor.h"

#include "core/NumberText.h"
#include "core/TextLines.h"

#include <algorithm>
#include <dirent.h>
#include <filesystem>
#include <net/if.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> DirectoryEntries(const std::string& directory) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(directory.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.') {
                names.emplace_back(entry->d_name);
            }
        }
        closedir(dir);
    }
    return names;
}

// The words of /proc/PID/cmdline.
std::vector<std::string> CommandLine(const std::string& proc, int pid) {
    std::string text;
    ReadWholeFile(proc + "/" + std::to_string(pid) + "/cmdline", text);
    std::vector<std::string> words;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\0', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The words of a peers file, without comments.
std::vector<std::string> PeerFileWords(const std::string& path) {
    std::string text;
    ReadWholeFile(path, text);
    std::vector<std::string> words;
    for (const std::string_view line : SplitLines(text)) {
        size_t pos = 0;
        while (pos < line.size() && line[pos] != '#') {
            const size_t start = line.find_first_not_of(" \t", pos);
            if (start == std::string::npos || line[start] == '#') {
                break;
            }
            const size_t end = std::min(line.find_first_of(" \t", start), line.size());
            words.emplace_back(line.substr(start, end - start));
            pos = end;
        }
    }
    return words;
}

bool IsDeviceWord(const std::string& word) {
    return word.starts_with("/dev/") || word.starts_with("tty") || word.starts_with("rfcomm");
}

std::string DevicePath(const std::string& device) {
    return device.starts_with("/dev/") ? device : "/dev/" + device;
}

int ParsePid(std::string_view text) {
    const std::optional<uint32_t> pid = ParseUint32(text);
    return pid && *pid > 0 && *pid <= INT32_MAX ? static_cast<int>(*pid) : 0;
}

} // namespace

CPppLinks::CPppLinks(PppRoots roots) : m_roots(std::move(roots)), m_netDirectory(m_roots.sysfs + "/class/net") {}

// pppd counts as there when its program or its folder of peers is.
bool CPppLinks::IsAvailable() {
    const bool installed = access(m_roots.peers.c_str(), R_OK | X_OK) == 0 ||
                           std::any_of(m_roots.programs.begin(), m_roots.programs.end(),
                                       [](const std::string& program) { return access(program.c_str(), X_OK) == 0; });
    return installed && access(m_netDirectory.c_str(), R_OK | X_OK) == 0;
}

bool CPppLinks::IsPppInterface(const std::string& name) {
    const auto known = m_isPpp.find(name);
    if (known != m_isPpp.end()) {
        return known->second;
    }
    std::string uevent;
    ReadWholeFile(m_netDirectory + "/" + name + "/uevent", uevent);
    const std::vector<std::string_view> lines = SplitLines(uevent);
    const bool ppp = std::find(lines.begin(), lines.end(), "DEVTYPE=ppp") != lines.end();
    m_isPpp[name] = ppp;
    return ppp;
}

std::vector<std::string> CPppLinks::UpPppInterfaces() {
    std::vector<std::string> up;
    const std::vector<std::string> names = DirectoryEntries(m_netDirectory);
    // Forget interfaces that are gone, so a new one of the same name is looked at afresh.
    std::erase_if(m_isPpp,
                  [&](const auto& entry) { return std::find(names.begin(), names.end(), entry.first) == names.end(); });
    for (const std::string& name : names) {
        if (!IsPppInterface(name)) {
            continue;
        }
        std::string flags;
        ReadWholeFile(m_netDirectory + "/" + name + "/flags", flags);
        if (std::stoul("0" + flags.substr(flags.starts_with("0x") ? 2 : 0), nullptr, 16) & IFF_UP) {
            up.push_back(name);
        }
    }
    std::sort(up.begin(), up.end());
    return up;
}

// pppd writes "pppN.pid" and "ppp-LINKNAME.pid": its pid, then the interface name once it has one.
std::map<std::string, CPppLinks::Daemon> CPppLinks::DaemonsByInterface() const {
    std::map<std::string, Daemon> daemons;
    std::set<std::string> seen;
    for (const std::string& directory : m_roots.runDirectories) {
        std::error_code error;
        const std::string canonical = fs::weakly_canonical(directory, error).string();
        if (!seen.insert(canonical).second) {
            continue; // /var/run is usually /run
        }
        for (const std::string& file : DirectoryEntries(directory)) {
            if (!file.starts_with("ppp") || !file.ends_with(".pid")) {
                continue;
            }
            std::string text;
            ReadWholeFile(directory + "/" + file, text);
            const std::vector<std::string_view> lines = SplitLines(text);
            const int pid = lines.empty() ? 0 : ParsePid(lines[0]);
            const std::string stem = file.substr(0, file.size() - 4);
            const bool linkFile = stem.starts_with("ppp-");
            const std::string interfaceName = lines.size() > 1 && !lines[1].empty() ? std::string(lines[1])
                                              : linkFile                            ? ""
                                                                                    : stem;
            if (pid == 0 || interfaceName.empty()) {
                continue;
            }
            Daemon& daemon = daemons[interfaceName];
            daemon.pid = pid;
            if (linkFile) {
                daemon.linkName = stem.substr(4);
            }
        }
    }
    return daemons;
}

std::optional<DialUpLink> CPppLinks::LinkOf(const std::string& interfaceName, const Daemon& daemon) const {
    const std::vector<std::string> args = CommandLine(m_roots.proc, daemon.pid);
    if (args.empty() || fs::path(args[0]).filename().string().find("pppd") == std::string::npos) {
        return std::nullopt; // pppd is gone (its pid may even belong to another program by now)
    }
    std::string peer;
    std::string device;
    bool demand = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "call" && i + 1 < args.size()) {
            peer = args[i + 1];
        } else if (args[i] == "demand") {
            demand = true;
        } else if (i > 0 && device.empty() && IsDeviceWord(args[i])) {
            device = args[i];
        }
    }
    if (!peer.empty()) {
        for (const std::string& word : PeerFileWords(m_roots.peers + "/" + peer)) {
            demand = demand || word == "demand";
            if (device.empty() && IsDeviceWord(word)) {
                device = word;
            }
        }
    }
    if (demand && !device.empty()) {
        // Dialled only while pppd holds its serial device.
        const std::string fdDirectory = m_roots.proc + "/" + std::to_string(daemon.pid) + "/fd";
        const std::string wanted = DevicePath(device);
        bool open = false;
        for (const std::string& fd : DirectoryEntries(fdDirectory)) {
            std::error_code error;
            open = open || fs::read_symlink(fdDirectory + "/" + fd, error).string() == wanted;
        }
        if (!open) {
            return std::nullopt;
        }
    }
    DialUpLink link;
    link.name = !daemon.linkName.empty() ? daemon.linkName : !peer.empty() ? peer : interfaceName;
    link.device = device.empty() ? interfaceName : fs::path(device).filename().string();
    link.interfaceName = interfaceName;
    // A pppd that redials (persist) keeps its pid and may keep the name, but makes a new interface.
    std::string index;
    ReadWholeFile(m_netDirectory + "/" + interfaceName + "/ifindex", index);
    link.identity = "ppp " + std::to_string(daemon.pid) + " " + interfaceName + " " +
                    std::string(SplitLines(index).empty() ? std::string_view() : SplitLines(index).front());
    return link;
}

std::optional<std::vector<DialUpLink>> CPppLinks::ActiveLinks() {
    if (!IsAvailable()) {
        return std::nullopt;
    }
    std::vector<DialUpLink> links;
    const std::vector<std::string> interfaces = UpPppInterfaces();
    if (interfaces.empty()) {
        return links;
    }
    const std::map<std::string, Daemon> daemons = DaemonsByInterface();
    for (const std::string& name : interfaces) {
        const auto daemon = daemons.find(name);
        if (daemon == daemons.end()) {
            continue; // an interface without its pppd: going down
        }
        if (std::optional<DialUpLink> link = LinkOf(name, daemon->second)) {
            links.push_back(std::move(*link));
        }
    }
    return links;
}

std::vector<std::string> CPppLinks::PeerNames() const {
    std::vector<std::string> names;
    for (const std::string& name : DirectoryEntries(m_roots.peers)) {
        // Leave out what editors and package managers leave behind.
        if (!name.ends_with("~") && name.find(".dpkg-") == std::string::npos && !name.ends_with(".bak") &&
            name != "README") {
            struct stat info {};
            if (stat((m_roots.peers + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
                names.push_back(name);
            }
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}
