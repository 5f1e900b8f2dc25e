#include "support/FakeSystem.h"

#include <filesystem>

namespace fs = std::filesystem;

CFakeSystem::CFakeSystem() {
    for (const char* d : {"sys/class/net", "run/pppd", "proc", "peers", "dev"}) {
        fs::create_directories(m_dir.File(d));
    }
}

PppRoots CFakeSystem::Roots() const {
    PppRoots roots;
    roots.sysfs = m_dir.File("sys");
    roots.runDirectories = {m_dir.File("run"), m_dir.File("run/pppd")};
    roots.proc = m_dir.File("proc");
    roots.peers = m_dir.File("peers");
    return roots;
}

std::vector<std::pair<std::string, std::string>> CFakeSystem::Environment() const {
    return {{"FERNZAHL_SYSFS_ROOT", m_dir.File("sys")}, {"FERNZAHL_RUN_ROOT", m_dir.File("run")},
            {"FERNZAHL_PROC_ROOT", m_dir.File("proc")}, {"FERNZAHL_PEERS_DIR", m_dir.File("peers")},
            {"FERNZAHL_SERIAL_DIR", m_dir.File("dev")}, {"FERNZAHL_NM_BUS", "none"}};
}

ProcessEnvironment CFakeSystem::ProgramEnvironment(const std::string& home, const std::string& runtime) const {
    ProcessEnvironment env{.set = {{"FERNZAHL_HOME", home},
                                   {"XDG_RUNTIME_DIR", runtime},
                                   {"FERNZAHL_NONINTERACTIVE", "1"},
                                   {"QT_QPA_PLATFORM", "offscreen"},
                                   // The messages the tests read are English, whatever the tester's desktop speaks.
                                   {"LANGUAGE", "en"}}};
    for (const auto& [name, value] : Environment()) {
        env.set[name] = value;
    }
    return env;
}

void CFakeSystem::AddInterface(const std::string& name, bool ppp, bool up) {
    const std::string dir = m_dir.File("sys/class/net/" + name);
    fs::create_directories(dir);
    WriteFile(dir + "/uevent", ppp ? "DEVTYPE=ppp\nINTERFACE=" + name + "\nIFINDEX=7\n" : "INTERFACE=" + name + "\n");
    SetUp(name, up);
}

void CFakeSystem::SetUp(const std::string& name, bool up) {
    WriteFile(m_dir.File("sys/class/net/" + name + "/flags"), up ? "0x1091\n" : "0x1090\n");
}

void CFakeSystem::RemoveInterface(const std::string& name) {
    fs::remove_all(m_dir.File("sys/class/net/" + name));
}

void CFakeSystem::AddPppd(int pid, const std::vector<std::string>& commandLine, const std::string& interfaceName,
                          const std::string& linkName) {
    const std::string dir = m_dir.File("proc/" + std::to_string(pid));
    fs::create_directories(dir + "/fd");
    std::string cmdline;
    for (const std::string& word : commandLine) {
        cmdline += word + '\0';
    }
    WriteFile(dir + "/cmdline", cmdline);
    WriteFile(m_dir.File("run/" + interfaceName + ".pid"), std::to_string(pid) + "\n");
    if (!linkName.empty()) {
        WriteFile(m_dir.File("run/ppp-" + linkName + ".pid"), std::to_string(pid) + "\n" + interfaceName + "\n");
    }
}

void CFakeSystem::StopPppd(int pid) {
    fs::remove_all(m_dir.File("proc/" + std::to_string(pid)));
    for (const auto& entry : fs::directory_iterator(m_dir.File("run"))) {
        if (entry.is_regular_file() && ReadFile(entry.path().string()).rfind(std::to_string(pid) + "\n", 0) == 0) {
            fs::remove(entry.path());
        }
    }
}

void CFakeSystem::OpenDevice(int pid, const std::string& device) {
    fs::create_symlink(device, m_dir.File("proc/" + std::to_string(pid) + "/fd/5"));
}

void CFakeSystem::AddPeer(const std::string& name, const std::string& content) {
    WriteFile(m_dir.File("peers/" + name), content);
}

void CFakeSystem::BringUpLink(const std::string& interfaceName, int pid, const std::string& peer,
                              const std::string& device) {
    AddPppd(pid, {"/usr/sbin/pppd", "call", peer, device}, interfaceName);
    AddInterface(interfaceName, true, true);
}

void CFakeSystem::TakeDownLink(const std::string& interfaceName, int pid) {
    RemoveInterface(interfaceName);
    StopPppd(pid);
}
